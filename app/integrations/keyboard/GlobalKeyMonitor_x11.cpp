#include "app/integrations/keyboard/GlobalKeyMonitor.h"

#include <QList>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <array>
#include <bitset>

// Xlib defines macros (None, Bool, KeyPress, ...) that clash with Qt names: its headers come last.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XI2.h>
#include <X11/extensions/XInput2.h>
#include <X11/keysym.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int keycodeCount = 256;

// Under Wayland the X server sees only the keys of X programs, never the desktop's.
bool waylandSession()
{
    return qEnvironmentVariable("XDG_SESSION_TYPE").compare("wayland"_L1, Qt::CaseInsensitive) == 0 ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayPointer = std::unique_ptr<Display, DisplayCloser>;

// A connection of our own that can receive XInput 2 raw key events, or null.
DisplayPointer openDisplay(int* opcode)
{
    if (waylandSession()) {
        return nullptr;
    }
    DisplayPointer display(XOpenDisplay(nullptr));
    if (!display) {
        return nullptr;
    }
    int event = 0;
    int error = 0;
    // 2.1 and later deliver raw events even while another program grabs the keyboard.
    int major = 2;
    int minor = 2;
    if (XQueryExtension(display.get(), "XInputExtension", opcode, &event, &error) == 0 ||
        XIQueryVersion(display.get(), &major, &minor) != Success || major < 2) {
        return nullptr;
    }
    return display;
}

Qt::KeyboardModifiers modifierOf(KeySym symbol)
{
    switch (symbol) {
    case XK_Control_L:
    case XK_Control_R:
        return Qt::ControlModifier;
    case XK_Alt_L:
    case XK_Alt_R:
    case XK_Meta_L:
    case XK_Meta_R:
        return Qt::AltModifier;
    case XK_Shift_L:
    case XK_Shift_R:
        return Qt::ShiftModifier;
    case XK_Super_L:
    case XK_Super_R:
        return Qt::MetaModifier;
    default:
        return Qt::NoModifier;
    }
}

// The characters of a key symbol: Latin-1 and Unicode symbols and the keypad.
QString textOf(KeySym symbol)
{
    if ((symbol >= 0x20 && symbol <= 0x7e) || (symbol >= 0xa0 && symbol <= 0xff)) {
        return QString(QChar(static_cast<char16_t>(symbol)));
    }
    if ((symbol & 0xff000000) == 0x01000000) {
        const char32_t character = static_cast<char32_t>(symbol & 0x00ffffff);
        return QString::fromUcs4(&character, 1);
    }
    if (symbol >= XK_KP_0 && symbol <= XK_KP_9) {
        return QString(QChar(static_cast<char16_t>(u'0' + (symbol - XK_KP_0))));
    }
    switch (symbol) {
    case XK_KP_Multiply:
        return u"*"_s;
    case XK_KP_Add:
        return u"+"_s;
    case XK_KP_Separator:
        return u","_s;
    case XK_KP_Subtract:
        return u"-"_s;
    case XK_KP_Decimal:
        return u"."_s;
    case XK_KP_Divide:
        return u"/"_s;
    case XK_KP_Equal:
        return u"="_s;
    default:
        return {};
    }
}

// Raw key events of the XInput 2 extension: sent to the root window for every key of every
// program, without a grab, so the program with the focus still receives its keys.
class X11KeyMonitor final : public GlobalKeyMonitor {
public:
    X11KeyMonitor(DisplayPointer display, int opcode, Handler handler)
        : m_display(std::move(display))
        , m_opcode(opcode)
        , m_handler(std::move(handler))
    {
        Display* connection = m_display.get();
        std::array<unsigned char, XIMaskLen(XI_LASTEVENT)> mask{};
        XISetMask(mask.data(), XI_RawKeyPress);
        XISetMask(mask.data(), XI_RawKeyRelease);
        XIEventMask selection{XIAllMasterDevices, static_cast<int>(mask.size()), mask.data()};
        XISelectEvents(connection, DefaultRootWindow(connection), &selection, 1);

        int lowest = 0;
        int highest = 0;
        XDisplayKeycodes(connection, &lowest, &highest);
        for (int keycode = lowest; keycode <= highest && keycode < keycodeCount; ++keycode) {
            m_modifiers[keycode] = modifierOf(XkbKeycodeToKeysym(connection, static_cast<KeyCode>(keycode), 0, 0));
        }
        // Modifiers held before watching began count too.
        std::array<char, 32> held{};
        XQueryKeymap(connection, held.data());
        for (int keycode = 0; keycode < keycodeCount; ++keycode) {
            m_down[keycode] = (static_cast<unsigned char>(held[keycode / 8]) >> (keycode % 8) & 1) != 0;
        }

        m_notifier = std::make_unique<QSocketNotifier>(ConnectionNumber(connection), QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] { readEvents(); });
        // Events read along with the replies above wait in Xlib's queue, unseen by the notifier.
        QTimer::singleShot(0, m_notifier.get(), [this] { readEvents(); });
    }

private:
    struct Press {
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        bool repeat;
    };

    void readEvents()
    {
        Display* connection = m_display.get();
        QList<Press> presses;
        while (XPending(connection) > 0) {
            XEvent event;
            XNextEvent(connection, &event);
            XGenericEventCookie& cookie = event.xcookie;
            if (cookie.type != GenericEvent || cookie.extension != m_opcode ||
                XGetEventData(connection, &cookie) == 0) {
                continue;
            }
            const auto* raw = static_cast<const XIRawEvent*>(cookie.data);
            const int keycode = raw->detail;
            if (keycode >= 0 && keycode < keycodeCount) {
                if (cookie.evtype == XI_RawKeyPress) {
                    // The server repeats a held key as further presses without releases.
                    const bool repeat = m_down[keycode] || (raw->flags & XIKeyRepeat) != 0;
                    m_down[keycode] = true;
                    if (m_modifiers[keycode] == Qt::NoModifier) {
                        const Qt::KeyboardModifiers modifiers = heldModifiers();
                        const KeySym symbol = symbolOf(keycode, modifiers.testFlag(Qt::ShiftModifier));
                        presses.append({symbol == XK_Escape ? static_cast<int>(Qt::Key_Escape) : 0, modifiers,
                                        textOf(symbol), repeat});
                    }
                } else if (cookie.evtype == XI_RawKeyRelease) {
                    m_down[keycode] = false;
                }
            }
            XFreeEventData(connection, &cookie);
        }
        // The handler may end this monitor: nothing of it is touched after the first call.
        const Handler handler = m_handler;
        for (const Press& press : std::as_const(presses)) {
            handler(press.key, press.modifiers, press.text, press.repeat);
        }
    }

    // Shift chooses the key's second symbol, as it does for keys typed in this program's
    // windows, so a binding reads the same from both monitors; other modifiers are ignored.
    KeySym symbolOf(int keycode, bool shifted) const
    {
        const auto code = static_cast<KeyCode>(keycode);
        const KeySym symbol = shifted ? XkbKeycodeToKeysym(m_display.get(), code, 0, 1) : NoSymbol;
        return symbol != NoSymbol ? symbol : XkbKeycodeToKeysym(m_display.get(), code, 0, 0);
    }

    Qt::KeyboardModifiers heldModifiers() const
    {
        Qt::KeyboardModifiers modifiers;
        for (int keycode = 0; keycode < keycodeCount; ++keycode) {
            if (m_down[keycode]) {
                modifiers |= m_modifiers[keycode];
            }
        }
        return modifiers;
    }

    DisplayPointer m_display;
    int m_opcode;
    Handler m_handler;
    std::array<Qt::KeyboardModifiers, keycodeCount> m_modifiers{};
    std::bitset<keycodeCount> m_down;
    // Declared last so it goes before the connection it watches is closed.
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace

bool GlobalKeyMonitor::permitted()
{
    int opcode = 0;
    return openDisplay(&opcode) != nullptr;
}

std::unique_ptr<GlobalKeyMonitor> GlobalKeyMonitor::create(Handler handler)
{
    int opcode = 0;
    DisplayPointer display = openDisplay(&opcode);
    if (!display) {
        return nullptr;
    }
    return std::make_unique<X11KeyMonitor>(std::move(display), opcode, std::move(handler));
}
