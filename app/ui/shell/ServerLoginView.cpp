#include "app/ui/shell/ServerLoginView.h"

#include "app/ui/style/PlainText.h"
#include "core/client/KeltoClient.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

ServerLoginView::ServerLoginView(KeltoClient& client, const AuthenticationRequest& request, QWidget* parent)
    : QDialog(parent)
    , m_client(client)
    , m_endpoint(PlainText::label())
    , m_explanation(PlainText::label())
    , m_username(new QLineEdit)
    , m_password(new QLineEdit)
    , m_signIn(new QPushButton(u"Sign in"_s))
{
    setWindowTitle(u"Sign in to server"_s);
    setWindowModality(Qt::WindowModal);
    setFixedWidth(420);

    auto* title = PlainText::label(u"Sign in to server"_s);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleFont.setBold(true);
    title->setFont(titleFont);
    QFont headline = m_endpoint->font();
    headline.setBold(true);
    m_endpoint->setFont(headline);
    m_endpoint->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_explanation->setWordWrap(true);
    m_explanation->setForegroundRole(QPalette::PlaceholderText);

    m_username->setAccessibleName(u"Username"_s);
    m_password->setAccessibleName(u"Password"_s);
    m_password->setEchoMode(QLineEdit::Password);
    auto* fields = new QFormLayout;
    fields->addRow(u"Username"_s, m_username);
    fields->addRow(u"Password"_s, m_password);

    auto* note =
        PlainText::label(u"After the server accepts your login, it is saved securely in the system keychain for "
                         u"this server address and port."_s);
    note->setWordWrap(true);
    note->setForegroundRole(QPalette::PlaceholderText);

    auto* buttons = new QDialogButtonBox;
    QPushButton* cancel = buttons->addButton(u"Cancel"_s, QDialogButtonBox::RejectRole);
    cancel->setAccessibleName(u"Cancel"_s);
    cancel->setToolTip(u"Do not sign in; the connection ends."_s);
    buttons->addButton(m_signIn, QDialogButtonBox::AcceptRole);
    m_signIn->setAccessibleName(u"Sign in"_s);
    connect(cancel, &QPushButton::clicked, this, &ServerLoginView::reject);
    connect(m_signIn, &QPushButton::clicked, this, &ServerLoginView::submit);
    connect(m_username, &QLineEdit::textChanged, this, &ServerLoginView::updateSignIn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_endpoint);
    layout->addWidget(m_explanation);
    layout->addSpacing(6);
    layout->addLayout(fields);
    layout->addWidget(note);
    layout->addWidget(buttons);

    // Return signs in, Escape cancels. The default is set once the button is in this dialog (a
    // default set before is not the dialog's), and Cancel must not take the part on showing.
    cancel->setAutoDefault(false);
    m_signIn->setDefault(true);

    setRequest(request);
}

ServerLoginView::~ServerLoginView() = default;

void ServerLoginView::setRequest(const AuthenticationRequest& request)
{
    m_endpoint->setText(request.endpoint);
    m_explanation->setText(request.explanation);
    m_username->setText(request.username);
    m_password->clear();
    (m_username->text().isEmpty() ? m_username : m_password)->setFocus();
    updateSignIn();
}

void ServerLoginView::dismiss()
{
    QDialog::done(QDialog::Accepted);
}

void ServerLoginView::reject()
{
    // Hide first: the client's answer to the cancel closes sheets, and this one is already going.
    QDialog::reject();
    m_client.cancelAuthentication();
}

void ServerLoginView::submit()
{
    if (m_username->text().isEmpty()) {
        return;
    }
    const QString password = m_password->text();
    m_password->clear();
    m_client.submitCredentials(m_username->text(), password);
}

void ServerLoginView::updateSignIn()
{
    const bool named = !m_username->text().isEmpty();
    m_signIn->setEnabled(named);
    m_signIn->setToolTip(named ? u"Send this login to the server (Return)."_s : u"Enter a user name to sign in."_s);
}
