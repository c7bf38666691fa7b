#include "app/ui/style/DecimalSpinBox.h"

#include <QLocale>

DecimalSpinBox::DecimalSpinBox(QWidget* parent)
    : QDoubleSpinBox(parent)
{}

QString DecimalSpinBox::localised(const QString& text) const
{
    const QString point = locale().decimalPoint();
    if (point == QStringLiteral(".")) {
        return text;
    }
    QString copy = text;
    copy.replace(QLatin1Char('.'), point);
    return copy;
}

QValidator::State DecimalSpinBox::validate(QString& text, int& position) const
{
    QString copy = localised(text);
    const QValidator::State state = QDoubleSpinBox::validate(copy, position);
    if (state == QValidator::Acceptable || state == QValidator::Intermediate) {
        text = copy;
    }
    return state;
}

double DecimalSpinBox::valueFromText(const QString& text) const
{
    return QDoubleSpinBox::valueFromText(localised(text));
}
