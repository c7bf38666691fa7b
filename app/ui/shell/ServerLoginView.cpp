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
    , m_signIn(new QPushButton(tr("Sign in")))
{
    setWindowTitle(tr("Sign in to server"));
    setWindowModality(Qt::WindowModal);
    setFixedWidth(420);

    auto* title = PlainText::label(tr("Sign in to server"));
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

    m_username->setAccessibleName(tr("Username"));
    m_password->setAccessibleName(tr("Password"));
    m_password->setEchoMode(QLineEdit::Password);
    auto* fields = new QFormLayout;
    fields->addRow(tr("Username"), m_username);
    fields->addRow(tr("Password"), m_password);

    auto* note =
        PlainText::label(tr("After the server accepts your login, it is saved securely in the system keychain for "
                            "this server address and port."));
    note->setWordWrap(true);
    note->setForegroundRole(QPalette::PlaceholderText);

    auto* buttons = new QDialogButtonBox;
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setAccessibleName(tr("Cancel"));
    cancel->setToolTip(tr("Do not sign in; the connection ends."));
    buttons->addButton(m_signIn, QDialogButtonBox::AcceptRole);
    m_signIn->setAccessibleName(tr("Sign in"));
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
    m_signIn->setToolTip(named ? tr("Send this login to the server (Return).") : tr("Enter a user name to sign in."));
}
