#include "app/integrations/keyboard/NativeKeyboard.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <dlfcn.h>

// Xlib's macros clash with Qt names: its headers come last.
#include <X11/Xlib.h>
#include <X11/keysym.h>

using namespace Qt::Literals::StringLiterals;

// Keys typed through XTEST on a private X server reach the global monitor as raw key events,
// exactly as keys of other programs do.
class TestGlobalKeysX11 final : public QObject {
    Q_OBJECT

private:
    using FakeKeyEvent = int (*)(Display*, unsigned int keycode, int press, unsigned long delay);

    QProcess m_server;
    Display* m_display = nullptr;
    FakeKeyEvent m_fakeKeyEvent = nullptr;

    void key(KeySym symbol, bool press)
    {
        const KeyCode keycode = XKeysymToKeycode(m_display, symbol);
        QVERIFY(keycode != 0);
        m_fakeKeyEvent(m_display, keycode, press ? 1 : 0, 0);
        // Processed by the server before the test goes on.
        XSync(m_display, 0);
    }

    void tap(KeySym symbol)
    {
        key(symbol, true);
        key(symbol, false);
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString xvfb = QStandardPaths::findExecutable(u"Xvfb"_s);
        void* xtest = ::dlopen("libXtst.so.6", RTLD_NOW | RTLD_LOCAL);
        if (xvfb.isEmpty() || xtest == nullptr) {
            QSKIP("needs Xvfb and libXtst");
        }
        m_fakeKeyEvent = reinterpret_cast<FakeKeyEvent>(::dlsym(xtest, "XTestFakeKeyEvent"));
        QVERIFY(m_fakeKeyEvent != nullptr);

        int number = 90;
        while (QFile::exists(u"/tmp/.X%1-lock"_s.arg(number)) || QFile::exists(u"/tmp/.X11-unix/X%1"_s.arg(number))) {
            ++number;
        }
        const QString name = u":%1"_s.arg(number);
        m_server.start(xvfb, {name, u"-nolisten"_s, u"tcp"_s, u"-screen"_s, u"0"_s, u"640x480x24"_s});
        QVERIFY(m_server.waitForStarted());
        const QByteArray displayName = name.toLatin1();
        // Not QTRY_VERIFY: it evaluates its expression once more after success, opening a second
        // connection that nothing closes.
        QVERIFY(QTest::qWaitFor(
            [&] {
                m_display = XOpenDisplay(displayName.constData());
                return m_display != nullptr;
            },
            20000));
        qputenv("DISPLAY", displayName);
        qunsetenv("WAYLAND_DISPLAY");
        qunsetenv("XDG_SESSION_TYPE");
    }

    void cleanupTestCase()
    {
        if (m_display != nullptr) {
            XCloseDisplay(m_display);
        }
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            m_server.waitForFinished();
        }
    }

    void globalMonitor_reportsKeysWithControlAltOrSuperOnly()
    {
        QVERIFY(NativeKeyboard::globalPermitted());
        // A modifier held before watching begins counts.
        key(XK_Control_L, true);
        NativeKeyboard keyboard;
        QStringList seen;
        QVERIFY(keyboard.enableGlobal([&seen](const QString& token) { seen.append(token); }));
        QVERIFY(keyboard.globalActive());

        key(XK_s, true);
        QTRY_COMPARE(seen, QStringList{u"CTRL S"_s});
        // The server's repetition of a held key: more presses without a release.
        key(XK_s, true);
        key(XK_s, false);
        tap(XK_x);
        key(XK_Control_L, false);
        QTRY_COMPARE(seen, (QStringList{u"CTRL S"_s, u"CTRL X"_s}));

        // Shift alone is typing; unmodified keys too.
        key(XK_Shift_L, true);
        tap(XK_s);
        key(XK_Shift_L, false);
        tap(XK_a);
        key(XK_Super_L, true);
        key(XK_Alt_L, true);
        key(XK_Shift_L, true);
        tap(XK_Escape);
        tap(XK_1);
        key(XK_Shift_L, false);
        key(XK_Alt_L, false);
        key(XK_Super_L, false);
        QTRY_COMPARE(seen, (QStringList{u"CTRL S"_s, u"CTRL X"_s, u"ALT SHIFT CMD Escape"_s, u"ALT SHIFT CMD !"_s}));
    }

    void waylandSession_countsAsNoPermission()
    {
        qputenv("XDG_SESSION_TYPE", "wayland");
        NativeKeyboard keyboard;
        const bool permitted = NativeKeyboard::globalPermitted();
        const bool enabled = keyboard.enableGlobal([](const QString&) {});
        qunsetenv("XDG_SESSION_TYPE");
        QVERIFY(!permitted);
        QVERIFY(!enabled);
        QVERIFY(NativeKeyboard::globalPermitted());
    }
};

QTEST_GUILESS_MAIN(TestGlobalKeysX11)
#include "tst_globalkeys_x11.moc"
