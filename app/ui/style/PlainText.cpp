#include "app/ui/style/PlainText.h"

#include <QLabel>
#include <QMessageBox>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr const char* ownRichTextProperty = "xaltoOwnRichText";

} // namespace

QLabel* PlainText::label(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

void PlainText::makePlain(QLabel* label)
{
    label->setTextFormat(Qt::PlainText);
}

void PlainText::makePlain(QMessageBox* box)
{
    // The box hands its format on to the informative label only if that label exists already.
    box->setTextFormat(Qt::PlainText);
    const QList<QLabel*> labels = box->findChildren<QLabel*>();
    for (QLabel* label : labels) {
        if (!label->text().isEmpty()) {
            label->setTextFormat(Qt::PlainText);
        }
    }
}

QString PlainText::mnemonicSafe(const QString& text)
{
    return QString(text).replace(u'&', u"&&"_s);
}

void PlainText::markOwnRichText(QLabel* label)
{
    label->setTextFormat(Qt::RichText);
    label->setProperty(ownRichTextProperty, true);
}

bool PlainText::isOwnRichText(const QLabel* label)
{
    return label->property(ownRichTextProperty).toBool();
}
