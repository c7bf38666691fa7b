#include "core/geo/CountryFileLoader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

ProtocolResult<QByteArray> readBounded(const QString& path, qsizetype maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return ProtocolFailure::invalid(QCoreApplication::translate("CountryFileLoader", "%1 cannot be read: %2.")
                                            .arg(QFileInfo(path).fileName(), file.errorString()));
    }
    // Reading one byte past the limit tells a file that is too large without holding all of it,
    // even when its size cannot be known beforehand (a pipe).
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes) {
        return ProtocolFailure::invalid(
            QCoreApplication::translate("CountryFileLoader", "%1 is larger than %2 MiB.")
                .arg(QFileInfo(path).fileName(), QString::number(maxBytes / (1024 * 1024))));
    }
    if (file.error() != QFileDevice::NoError) {
        return ProtocolFailure::invalid(QCoreApplication::translate("CountryFileLoader", "%1 cannot be read: %2.")
                                            .arg(QFileInfo(path).fileName(), file.errorString()));
    }
    return bytes;
}

} // namespace

QString CountryFileLoader::debianCountryCsv()
{
    return u"/usr/share/hamradio-files/cty.csv"_s;
}

QString CountryFileLoader::debianCountryDat()
{
    return u"/usr/share/hamradio-files/cty.dat"_s;
}

QString CountryFileLoader::debianCallList()
{
    return u"/usr/share/hamradio-files/MASTER.SCP"_s;
}

ProtocolResult<CountryFile> CountryFileLoader::loadCountryFile(const QString& path)
{
    ProtocolResult<QByteArray> bytes = readBounded(path, CountryFile::maxBytes);
    if (!bytes) {
        return bytes.failure();
    }
    return CountryFile::parse(*bytes);
}

ProtocolResult<CallList> CountryFileLoader::loadCallList(const QString& path)
{
    ProtocolResult<QByteArray> bytes = readBounded(path, CallList::maxBytes);
    if (!bytes) {
        return bytes.failure();
    }
    return CallList::parse(*bytes);
}
