#pragma once

#include "core/client/AuthenticationRequest.h"

#include <QDialog>

class KeltoClient;
class QLabel;
class QLineEdit;
class QPushButton;

// The sheet in which the user signs in to a station server that asks for a login. It stays
// open while the client asks; a new request (after a refused login) fills in the refused name
// and empties the password.
class ServerLoginView final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ServerLoginView)

public:
    ServerLoginView(KeltoClient& client, const AuthenticationRequest& request, QWidget* parent = nullptr);
    ~ServerLoginView() override;

    // Shows a newer request of the same client.
    void setRequest(const AuthenticationRequest& request);
    // Closes the sheet once the client no longer asks, without cancelling anything.
    void dismiss();

protected:
    void reject() override;

private:
    void submit();
    void updateSignIn();

    KeltoClient& m_client;
    QLabel* m_endpoint;
    QLabel* m_explanation;
    QLineEdit* m_username;
    QLineEdit* m_password;
    QPushButton* m_signIn;
};
