#pragma once

#include <QDoubleSpinBox>

// A number box that takes "." as well as the locale's decimal separator, so an operator with a
// German keyboard layout and one who types 12.5 out of habit both get what they typed.
class DecimalSpinBox : public QDoubleSpinBox {
    Q_OBJECT

public:
    explicit DecimalSpinBox(QWidget* parent = nullptr);

    QValidator::State validate(QString& text, int& position) const override;
    double valueFromText(const QString& text) const override;

private:
    QString localised(const QString& text) const;
};
