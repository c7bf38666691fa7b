#include "app/ui/shell/LiveLogView.h"

#include "app/ui/style/PlainText.h"
#include "app/workspace/StationWorkspace.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStackedLayout>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

const QString LiveLogView::windowName = u"live-log"_s;

LiveLogView::LiveLogView(StationWorkspace& workspace, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_workspace(workspace)
    , m_stack(new QStackedLayout)
    , m_empty(PlainText::label(tr("No connection activity yet.")))
    , m_text(new QPlainTextEdit)
{
    setObjectName(windowName);
    setWindowTitle(tr("Connection and command log"));
    setMinimumSize(440, 240);
    resize(680, 420);

    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setForegroundRole(QPalette::PlaceholderText);
    m_text->setReadOnly(true);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setAccessibleName(tr("Connection and command log"));
    m_stack->addWidget(m_empty);
    m_stack->addWidget(m_text);

    auto* buttons = new QDialogButtonBox;
    QPushButton* close = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    close->setAccessibleName(tr("Close"));
    close->setToolTip(tr("Close the log window (Escape)."));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_stack, 1);
    layout->addWidget(buttons);

    // The range grows after the text is laid out, which can be later than the append.
    connect(m_text->verticalScrollBar(), &QScrollBar::rangeChanged, this, &LiveLogView::scrollToLatest);
    connect(&m_workspace, &StationWorkspace::logAppended, this, &LiveLogView::append);
    // The workspace keeps only its newest lines; the view drops its oldest at the same bound, so
    // appending stays cheap however long the contest runs.
    m_text->setMaximumBlockCount(static_cast<int>(StationWorkspace::maxLogLines));
    connect(&m_workspace, &StationWorkspace::logChanged, this, [this] {
        if (m_workspace.log().isEmpty()) {
            reload();
        }
    });
    reload();
}

LiveLogView::~LiveLogView() = default;

QString LiveLogView::text() const
{
    return m_workspace.log().isEmpty() ? QString() : m_text->toPlainText();
}

void LiveLogView::reload()
{
    m_text->setPlainText(m_workspace.log().join(u'\n'));
    showEmptyState();
    scrollToLatest();
}

void LiveLogView::append(const QStringList& lines)
{
    if (lines.isEmpty()) {
        return;
    }
    if (m_text->document()->isEmpty()) {
        m_text->setPlainText(lines.join(u'\n'));
    } else {
        m_text->appendPlainText(lines.join(u'\n'));
    }
    showEmptyState();
    scrollToLatest();
}

void LiveLogView::scrollToLatest()
{
    QScrollBar* bar = m_text->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void LiveLogView::showEmptyState()
{
    m_stack->setCurrentWidget(m_workspace.log().isEmpty() ? static_cast<QWidget*>(m_empty) : m_text);
}
