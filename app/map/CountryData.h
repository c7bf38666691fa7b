#pragma once

#include "core/geo/CallList.h"
#include "core/geo/CountryFile.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <memory>

// The application's country file and contest call list, one per application. At start it reads
// the copy the user loaded earlier (kept in the program's data folder), else the file Debian's
// hamradio-files package installs. With the 85,000-call list that takes 50 to 150 ms, too long to
// hold the window, so the program reads them on a worker; cards show locators only until then.
class CountryData final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CountryData)

public:
    struct Paths {
        // Tried in this order when no copy is kept.
        QStringList defaultCountryFiles;
        QString callList;
        // Where a loaded file's copy is kept.
        QString dataFolder;
    };
    // Debian's files and QStandardPaths::AppDataLocation.
    static Paths standardPaths();

    explicit CountryData(Paths paths = standardPaths(), QObject* parent = nullptr);
    ~CountryData() override;

    // Reads the kept copy or the default file, and the call list, before returning.
    void load();
    // The same on a worker thread; `changed` says when they are in.
    void loadInBackground();

    // Null while no file could be read.
    const CountryFile* countries() const { return m_countries.get(); }
    // Null without a call list.
    const CallList* calls() const { return m_calls.get(); }
    // The file the countries came from, and why none did when none did.
    const QString& origin() const { return m_origin; }
    const QString& problem() const { return m_problem; }
    bool usesKeptCopy() const { return m_usesKeptCopy; }
    QString keptCopyPath() const;

    // Reads and checks a file the user chose; when it is a country file its copy is kept and
    // used from now on. An empty answer is success, else the sentence saying why nothing changed.
    QString loadUserFile(const QString& path);

    // "Version 20230502, 3 years old": what the user reads about the file in use.
    static QString versionText(const CountryFile& countries, const QDate& today);

Q_SIGNALS:
    void changed();

private:
    struct Loaded {
        std::shared_ptr<const CountryFile> countries;
        std::shared_ptr<const CallList> calls;
        QString origin;
        QString problem;
        bool usesKeptCopy = false;
    };
    // Pure apart from reading the files: safe on any thread.
    static Loaded read(const Paths& paths);
    void apply(const Loaded& loaded);

    Paths m_paths;
    // Counts loads, so a slow background read never replaces a newer file.
    quint64 m_generation = 0;
    std::shared_ptr<const CountryFile> m_countries;
    std::shared_ptr<const CallList> m_calls;
    QString m_origin;
    QString m_problem;
    bool m_usesKeptCopy = false;
};
