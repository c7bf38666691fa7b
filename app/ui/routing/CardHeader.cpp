#include "app/ui/routing/CardHeader.h"

#include "app/ui/routing/ToneLabel.h"
#include "app/ui/style/PlainText.h"

#include <QHBoxLayout>

CardHeader::CardHeader(QWidget* parent)
    : QWidget(parent)
    , m_title(PlainText::label({}, this))
    , m_note(new ToneLabel(Tone::orange, this))
{
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_title->setWordWrap(true);
    m_note->setVisible(false);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_title, 1);
    layout->addWidget(m_note, 0, Qt::AlignRight | Qt::AlignTop);
}

CardHeader::~CardHeader() = default;

void CardHeader::setTitle(const QString& title)
{
    m_title->setText(title);
}

void CardHeader::setNote(const QString& note)
{
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
}
