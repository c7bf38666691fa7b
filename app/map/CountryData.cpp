#include "app/map/CountryData.h"

#include "core/geo/CountryFileLoader.h"

#include <QDir>
#include <QFile>
#include <QFutureWatcher>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <limits>

using namespace Qt::Literals::StringLiterals;

CountryData::Paths CountryData::standardPaths()
{
    return {{CountryFileLoader::debianCountryCsv(), CountryFileLoader::debianCountryDat()},
            CountryFileLoader::debianCallList(),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)};
}

CountryData::CountryData(Paths paths, QObject* parent)
    : QObject(parent)
    , m_paths(std::move(paths))
{}

CountryData::~CountryData() = default;

QString CountryData::keptCopyPath() const
{
    return m_paths.dataFolder.isEmpty() ? QString() : m_paths.dataFolder + u"/country-file"_s;
}

CountryData::Loaded CountryData::read(const Paths& paths)
{
    Loaded loaded;
    loaded.problem = tr("No country file is installed; load one, or install Debian's hamradio-files.");
    QStringList candidates = paths.defaultCountryFiles;
    const QString kept = paths.dataFolder.isEmpty() ? QString() : paths.dataFolder + u"/country-file"_s;
    if (!kept.isEmpty() && QFile::exists(kept)) {
        candidates.prepend(kept);
    }
    for (const QString& path : std::as_const(candidates)) {
        if (!QFile::exists(path)) {
            continue;
        }
        ProtocolResult<CountryFile> file = CountryFileLoader::loadCountryFile(path);
        if (!file) {
            // A damaged kept copy gives way to the default file, and says so.
            loaded.problem = path + u": "_s + file.failure().description();
            continue;
        }
        loaded.countries = std::make_shared<const CountryFile>(std::move(file).value());
        loaded.origin = path;
        loaded.usesKeptCopy = path == kept;
        loaded.problem.clear();
        break;
    }
    if (!paths.callList.isEmpty() && QFile::exists(paths.callList)) {
        ProtocolResult<CallList> calls = CountryFileLoader::loadCallList(paths.callList);
        if (calls) {
            loaded.calls = std::make_shared<const CallList>(std::move(calls).value());
        }
    }
    return loaded;
}

void CountryData::load()
{
    ++m_generation;
    apply(read(m_paths));
}

void CountryData::loadInBackground()
{
    const quint64 generation = ++m_generation;
    // The watcher is a child: when the data goes first, so does the answer.
    auto* watcher = new QFutureWatcher<Loaded>(this);
    connect(watcher, &QFutureWatcher<Loaded>::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        // A file the user loaded meanwhile wins over the one read at start.
        if (generation == m_generation) {
            apply(watcher->result());
        }
    });
    watcher->setFuture(QtConcurrent::run(&CountryData::read, m_paths));
}

void CountryData::apply(const Loaded& loaded)
{
    m_countries = loaded.countries;
    m_calls = loaded.calls;
    m_origin = loaded.origin;
    m_problem = loaded.problem;
    m_usesKeptCopy = loaded.usesKeptCopy;
    Q_EMIT changed();
}

QString CountryData::loadUserFile(const QString& path)
{
    // Read once: the copy kept is exactly the bytes that were checked.
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly)) {
        return tr("The file cannot be read: %1.").arg(source.errorString());
    }
    const QByteArray bytes = source.read(CountryFile::maxBytes + 1);
    if (bytes.size() > CountryFile::maxBytes) {
        return tr("The file is larger than %1 MiB.").arg(CountryFile::maxBytes / (1024 * 1024));
    }
    ProtocolResult<CountryFile> read = CountryFile::parse(bytes);
    if (!read) {
        return read.failure().description();
    }
    const QString kept = keptCopyPath();
    if (kept.isEmpty() || !QDir().mkpath(m_paths.dataFolder)) {
        return tr("The program's data folder cannot be created.");
    }
    QSaveFile copy(kept);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size() || !copy.commit()) {
        return tr("The copy cannot be kept: %1.").arg(copy.errorString());
    }
    ++m_generation;
    m_countries = std::make_shared<const CountryFile>(std::move(read).value());
    m_origin = kept;
    m_usesKeptCopy = true;
    m_problem.clear();
    Q_EMIT changed();
    return {};
}

QString CountryData::versionText(const CountryFile& countries, const QDate& today)
{
    if (countries.version().isEmpty()) {
        return tr("No version given");
    }
    const QDate released = countries.versionDate();
    if (released.isValid() && today.isValid()) {
        const qint64 days = released.daysTo(today);
        if (days >= 0) {
            // A file's date may be far off; the count is clamped to what a plural can carry.
            const int shown = static_cast<int>(std::min<qint64>(days, std::numeric_limits<int>::max()));
            //: %1 is the country file's version, %n the age of that version in days
            return tr("Version %1, %n days old", nullptr, shown).arg(countries.version());
        }
    }
    return tr("Version %1").arg(countries.version());
}
