// Starts a simulated station, a KT-90 controller and a rotator behind a simulated rotctld,
// prepares a throw-away settings folder with a profile for each (the station's profile carries a site for the map), and
// runs the application on that folder. The user's own settings and keychain are never touched, and the simulators end
// when the application does.
#include "app/profiles/ServerProfile.h"
#include "app/profiles/ServerProfiles.h"
#include "app/profiles/SettingsKeys.h"
#include "app/profiles/UuidText.h"
#include "core/client/QSettingsStore.h"
#include "tools/station-sim/Kt90Simulator.h"
#include "tools/station-sim/RotctldSimulator.h"
#include "tools/station-sim/StationSimulator.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUuid>

#include <csignal>
#include <sys/prctl.h>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream err(stderr);
    if (argc < 2) {
        err << "Usage: xalto-demo PATH-TO-xalto [arguments for xalto]" << Qt::endl;
        return 2;
    }

    StationSimulator::Options options;
    options.rotors = 3;
    options.switches = 4;
    // `make demo HOSTILE_NAMES=1`: names that look like markup, to see that they show as text.
    options.hostileNames = qEnvironmentVariableIsSet("XALTO_DEMO_HOSTILE_NAMES");
    StationSimulator station(options);
    if (!station.listen()) {
        err << "Cannot start the simulated station: " << station.errorString() << Qt::endl;
        return 1;
    }
    Kt90Simulator kt90(Kt90Simulator::Options{});
    if (!kt90.listenTcp()) {
        err << "Cannot start the simulated KT-90: " << kt90.errorString() << Qt::endl;
        return 1;
    }
    RotctldSimulator rotctld(RotctldSimulator::Options{});
    if (!rotctld.listen()) {
        err << "Cannot start the simulated rotctld: " << rotctld.errorString() << Qt::endl;
        return 1;
    }

    QTemporaryDir settingsDir;
    if (!settingsDir.isValid()) {
        err << "Cannot create a settings folder: " << settingsDir.errorString() << Qt::endl;
        return 1;
    }
    {
        QSettingsStore store(QDir(settingsDir.path()).filePath(u"settings.ini"_s));
        ServerProfile demo{
            QUuid::createUuid(),      u"Demo station"_s,       u"127.0.0.1"_s, QString::number(station.serverPort()),
            ConnectionKind::ovVarnex, u"Reykjavík, Iceland"_s, 64.1466,        -21.9426};
        ServerProfile controller{
            QUuid::createUuid(),          u"KT-90 controller"_s, u"127.0.0.1"_s, QString::number(kt90.tcpPort()),
            ConnectionKind::kt90Terminal, std::nullopt,          std::nullopt,   std::nullopt};
        ServerProfile rotator{
            QUuid::createUuid(),           u"rotctld rotator"_s, u"127.0.0.1"_s, QString::number(rotctld.serverPort()),
            ConnectionKind::hamlibRotctld, std::nullopt,         std::nullopt,   std::nullopt};
        ServerProfiles profiles(store);
        profiles.setItems({demo, controller, rotator});
        store.setTextList(SettingsKeys::lastConnectedServerProfiles,
                          {UuidText::text(demo.id), UuidText::text(controller.id), UuidText::text(rotator.id)});
    }

    // The README promises a live station at once: the restored tabs connect at start.
    QStringList arguments{u"--settings-dir"_s, settingsDir.path(), u"--connect"_s};
    arguments += QCoreApplication::arguments().mid(2);
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(&program, &QProcess::finished, &application, [&](int code, QProcess::ExitStatus status) {
        QCoreApplication::exit(status == QProcess::NormalExit ? code : 1);
    });
    QObject::connect(&program, &QProcess::errorOccurred, &application, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            err << "Cannot start " << QCoreApplication::arguments().at(1) << ": " << program.errorString() << Qt::endl;
            QCoreApplication::exit(1);
        }
    });
    // The application ends with the launcher, however the launcher is stopped.
    program.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    program.start(QCoreApplication::arguments().at(1), arguments);
    return QCoreApplication::exec();
}
