#pragma once

#include "tests/support/ViewTestSupport.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QHostAddress>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <QUdpSocket>

// Filling in a sheet the way a user does, finding each control by its accessible name.
namespace SheetTest {

inline void click(const QWidget* root, const QString& name)
{
    auto* button = ViewTest::byName<QAbstractButton>(root, name);
    QVERIFY2(button, qPrintable(QStringLiteral("no button ") + name));
    QTest::mouseClick(button, Qt::LeftButton);
}

inline void choose(const QWidget* root, const QString& picker, const QString& item)
{
    auto* box = ViewTest::byName<QComboBox>(root, picker);
    QVERIFY2(box, qPrintable(QStringLiteral("no picker ") + picker));
    const int index = box->findText(item);
    QVERIFY2(index >= 0, qPrintable(QStringLiteral("no item ") + item));
    box->setCurrentIndex(index);
}

// Replaces what a field, stepper or editable picker holds by typing `text`.
inline void type(const QWidget* root, const QString& name, const QString& text)
{
    QWidget* field = ViewTest::byName(root, name);
    QVERIFY2(field, qPrintable(QStringLiteral("no field ") + name));
    if (auto* box = qobject_cast<QComboBox*>(field)) {
        field = box->lineEdit();
    }
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) {
        spin->selectAll();
    } else if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->clear();
    }
    QTest::keyClicks(field, text);
}

inline quint16 freeUdpPort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

} // namespace SheetTest
