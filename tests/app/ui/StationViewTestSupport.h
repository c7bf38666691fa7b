#pragma once

#include "app/profiles/ServerProfile.h"
#include "tests/support/ViewTestSupport.h"
#include "tools/station-sim/StationSimulator.h"

#include <QAbstractButton>
#include <QTest>
#include <QUuid>

// A station view's tests: the profile of a simulator, and clicks that wait for the view.
namespace StationViewTest {

inline ServerProfile profileFor(const StationSimulator& simulator, const QString& name)
{
    return ServerProfile{QUuid::createUuid(),
                         name,
                         QStringLiteral("127.0.0.1"),
                         QString::number(simulator.serverPort()),
                         ConnectionKind::ovVarnex,
                         std::nullopt,
                         std::nullopt,
                         std::nullopt};
}

// Clicks the control once the view shows it enabled (views refresh once per frame).
inline void click(QWidget* root, const QString& name)
{
    QTRY_VERIFY2(ViewTest::byName<QAbstractButton>(root, name) != nullptr,
                 qPrintable(QStringLiteral("no control named ") + name));
    auto* button = ViewTest::byName<QAbstractButton>(root, name);
    QTRY_VERIFY2(button->isEnabled(), qPrintable(name + QStringLiteral(" is disabled: ") + button->toolTip()));
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace StationViewTest
