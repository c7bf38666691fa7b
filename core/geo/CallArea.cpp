#include "core/geo/CallArea.h"

#include <QCoreApplication>

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

// The areas follow each country's call-area plan as call books list it: the ten US call
// districts, the Canadian provincial prefixes, the Australian state digits, the ten Japanese call
// areas, the Russian Asian districts 8, 9 and 0, the Chinese call areas, the Brazilian regions,
// and for Argentina the province letter that starts the suffix (there the digit carries no place).
// The positions are approximate: a rough centre of where each area's stations live, read off an
// atlas and rounded to about half a degree, well within an antenna's beamwidth at the distances
// where the area makes a difference.
struct Row {
    const char16_t* entity;
    // A call prefix that selects the row before the digit does ("VO1"), or empty.
    const char16_t* prefix;
    char16_t key;
    double latitude;
    double longitude;
    // Shown to the operator, so translated where it is read.
    const char* name;
};

constexpr std::array rows{
    Row{u"K", u"", u'0', 42.5, -97.5, QT_TRANSLATE_NOOP("CallArea", "Midwest (CO, IA, KS, MN, MO, ND, NE, SD)")},
    Row{u"K", u"", u'1', 43.5, -71.5, QT_TRANSLATE_NOOP("CallArea", "New England (CT, MA, ME, NH, RI, VT)")},
    Row{u"K", u"", u'2', 41.5, -74.5, QT_TRANSLATE_NOOP("CallArea", "New York and New Jersey")},
    Row{u"K", u"", u'3', 40.0, -77.0, QT_TRANSLATE_NOOP("CallArea", "Mid-Atlantic (DC, DE, MD, PA)")},
    Row{u"K", u"", u'4', 33.5, -83.5, QT_TRANSLATE_NOOP("CallArea", "Southeast (AL, FL, GA, KY, NC, SC, TN, VA)")},
    Row{u"K", u"", u'5', 32.5, -97.5, QT_TRANSLATE_NOOP("CallArea", "South (AR, LA, MS, NM, OK, TX)")},
    Row{u"K", u"", u'6', 36.5, -119.5, QT_TRANSLATE_NOOP("CallArea", "California")},
    Row{u"K", u"", u'7', 42.5, -115.5, QT_TRANSLATE_NOOP("CallArea", "Northwest (AZ, ID, MT, NV, OR, UT, WA, WY)")},
    Row{u"K", u"", u'8', 41.0, -83.0, QT_TRANSLATE_NOOP("CallArea", "Great Lakes (MI, OH, WV)")},
    Row{u"K", u"", u'9', 41.5, -88.0, QT_TRANSLATE_NOOP("CallArea", "Central (IL, IN, WI)")},
    Row{u"VE", u"VO1", u'1', 48.5, -55.5, QT_TRANSLATE_NOOP("CallArea", "Newfoundland")},
    Row{u"VE", u"VO2", u'2', 53.5, -61.0, QT_TRANSLATE_NOOP("CallArea", "Labrador")},
    Row{u"VE", u"VY0", u'0', 64.0, -85.0, QT_TRANSLATE_NOOP("CallArea", "Nunavut")},
    Row{u"VE", u"VY1", u'1', 61.5, -135.5, QT_TRANSLATE_NOOP("CallArea", "Yukon")},
    Row{u"VE", u"VY2", u'2', 46.5, -63.5, QT_TRANSLATE_NOOP("CallArea", "Prince Edward Island")},
    Row{u"VE", u"", u'1', 45.0, -63.5, QT_TRANSLATE_NOOP("CallArea", "Nova Scotia")},
    Row{u"VE", u"", u'2', 47.0, -72.0, QT_TRANSLATE_NOOP("CallArea", "Quebec")},
    Row{u"VE", u"", u'3', 45.0, -79.5, QT_TRANSLATE_NOOP("CallArea", "Ontario")},
    Row{u"VE", u"", u'4', 50.5, -98.0, QT_TRANSLATE_NOOP("CallArea", "Manitoba")},
    Row{u"VE", u"", u'5', 52.0, -106.0, QT_TRANSLATE_NOOP("CallArea", "Saskatchewan")},
    Row{u"VE", u"", u'6', 53.0, -114.0, QT_TRANSLATE_NOOP("CallArea", "Alberta")},
    Row{u"VE", u"", u'7', 50.0, -122.5, QT_TRANSLATE_NOOP("CallArea", "British Columbia")},
    Row{u"VE", u"", u'8', 62.5, -114.5, QT_TRANSLATE_NOOP("CallArea", "Northwest Territories")},
    Row{u"VE", u"", u'9', 46.5, -66.0, QT_TRANSLATE_NOOP("CallArea", "New Brunswick")},
    Row{u"VK", u"", u'1', -35.5, 149.0, QT_TRANSLATE_NOOP("CallArea", "Australian Capital Territory")},
    Row{u"VK", u"", u'2', -33.0, 149.0, QT_TRANSLATE_NOOP("CallArea", "New South Wales")},
    Row{u"VK", u"", u'3', -37.5, 144.5, QT_TRANSLATE_NOOP("CallArea", "Victoria")},
    Row{u"VK", u"", u'4', -25.0, 150.0, QT_TRANSLATE_NOOP("CallArea", "Queensland")},
    Row{u"VK", u"", u'5', -34.0, 138.5, QT_TRANSLATE_NOOP("CallArea", "South Australia")},
    Row{u"VK", u"", u'6', -31.5, 116.5, QT_TRANSLATE_NOOP("CallArea", "Western Australia")},
    Row{u"VK", u"", u'7', -42.0, 146.5, QT_TRANSLATE_NOOP("CallArea", "Tasmania")},
    Row{u"VK", u"", u'8', -15.5, 132.0, QT_TRANSLATE_NOOP("CallArea", "Northern Territory")},
    Row{u"JA", u"", u'1', 35.9, 139.7, QT_TRANSLATE_NOOP("CallArea", "Kanto")},
    Row{u"JA", u"", u'2', 35.0, 137.0, QT_TRANSLATE_NOOP("CallArea", "Tokai")},
    Row{u"JA", u"", u'3', 34.8, 135.5, QT_TRANSLATE_NOOP("CallArea", "Kansai")},
    Row{u"JA", u"", u'4', 34.5, 132.5, QT_TRANSLATE_NOOP("CallArea", "Chugoku")},
    Row{u"JA", u"", u'5', 33.7, 133.5, QT_TRANSLATE_NOOP("CallArea", "Shikoku")},
    Row{u"JA", u"", u'6', 32.5, 130.5, QT_TRANSLATE_NOOP("CallArea", "Kyushu and Okinawa")},
    Row{u"JA", u"", u'7', 39.0, 140.8, QT_TRANSLATE_NOOP("CallArea", "Tohoku")},
    Row{u"JA", u"", u'8', 43.0, 142.5, QT_TRANSLATE_NOOP("CallArea", "Hokkaido")},
    Row{u"JA", u"", u'9', 36.5, 136.7, QT_TRANSLATE_NOOP("CallArea", "Hokuriku")},
    Row{u"JA", u"", u'0', 36.5, 138.2, QT_TRANSLATE_NOOP("CallArea", "Shin'etsu")},
    Row{u"UA9", u"", u'8', 61.0, 72.0, QT_TRANSLATE_NOOP("CallArea", "Western Siberia, north (call area 8)")},
    Row{u"UA9", u"", u'9', 56.0, 66.0, QT_TRANSLATE_NOOP("CallArea", "Urals and Western Siberia (call area 9)")},
    Row{u"UA9", u"", u'0', 55.0, 105.0,
        QT_TRANSLATE_NOOP("CallArea", "Eastern Siberia and the Far East (call area 0)")},
    Row{u"BY", u"", u'1', 40.0, 116.4, QT_TRANSLATE_NOOP("CallArea", "Beijing")},
    Row{u"BY", u"", u'2', 44.0, 126.0, QT_TRANSLATE_NOOP("CallArea", "Heilongjiang, Jilin, Liaoning")},
    Row{u"BY", u"", u'3', 39.5, 114.0, QT_TRANSLATE_NOOP("CallArea", "Tianjin, Inner Mongolia, Hebei, Shanxi")},
    Row{u"BY", u"", u'4', 33.5, 119.0, QT_TRANSLATE_NOOP("CallArea", "Shanghai, Shandong, Jiangsu")},
    Row{u"BY", u"", u'5', 27.5, 118.5, QT_TRANSLATE_NOOP("CallArea", "Zhejiang, Jiangxi, Fujian")},
    Row{u"BY", u"", u'6', 32.0, 114.0, QT_TRANSLATE_NOOP("CallArea", "Anhui, Henan, Hubei")},
    Row{u"BY", u"", u'7', 24.0, 112.0, QT_TRANSLATE_NOOP("CallArea", "Hunan, Guangdong, Guangxi, Hainan")},
    Row{u"BY", u"", u'8', 28.0, 105.0, QT_TRANSLATE_NOOP("CallArea", "Sichuan, Chongqing, Guizhou, Yunnan")},
    Row{u"BY", u"", u'9', 35.5, 105.5, QT_TRANSLATE_NOOP("CallArea", "Shaanxi, Gansu, Ningxia, Qinghai")},
    Row{u"BY", u"", u'0', 38.0, 85.0, QT_TRANSLATE_NOOP("CallArea", "Xinjiang and Tibet")},
    Row{u"PY", u"", u'1', -22.0, -42.5, QT_TRANSLATE_NOOP("CallArea", "Rio de Janeiro and Espirito Santo")},
    Row{u"PY", u"", u'2', -22.5, -48.0, QT_TRANSLATE_NOOP("CallArea", "Sao Paulo, Goias, Federal District")},
    Row{u"PY", u"", u'3', -30.0, -53.0, QT_TRANSLATE_NOOP("CallArea", "Rio Grande do Sul")},
    Row{u"PY", u"", u'4', -19.0, -44.5, QT_TRANSLATE_NOOP("CallArea", "Minas Gerais")},
    Row{u"PY", u"", u'5', -26.0, -50.5, QT_TRANSLATE_NOOP("CallArea", "Parana and Santa Catarina")},
    Row{u"PY", u"", u'6', -12.5, -40.5, QT_TRANSLATE_NOOP("CallArea", "Bahia and Sergipe")},
    Row{u"PY", u"", u'7', -7.5, -37.5, QT_TRANSLATE_NOOP("CallArea", "Northeast (PE, AL, PB, RN, CE, PI)")},
    Row{u"PY", u"", u'8', -3.0, -52.0, QT_TRANSLATE_NOOP("CallArea", "North (PA, AM, AP, MA, RR)")},
    Row{u"PY", u"", u'9', -14.0, -54.0, QT_TRANSLATE_NOOP("CallArea", "Centre-West (MT, MS, RO, AC, TO)")},
    Row{u"LU", u"", u'A', -34.6, -58.4, QT_TRANSLATE_NOOP("CallArea", "Buenos Aires City")},
    Row{u"LU", u"", u'B', -34.6, -58.4, QT_TRANSLATE_NOOP("CallArea", "Buenos Aires City")},
    Row{u"LU", u"", u'C', -34.6, -58.4, QT_TRANSLATE_NOOP("CallArea", "Buenos Aires City")},
    Row{u"LU", u"", u'D', -36.5, -60.0, QT_TRANSLATE_NOOP("CallArea", "Buenos Aires Province")},
    Row{u"LU", u"", u'E', -36.5, -60.0, QT_TRANSLATE_NOOP("CallArea", "Buenos Aires Province")},
    Row{u"LU", u"", u'F', -31.0, -61.0, QT_TRANSLATE_NOOP("CallArea", "Santa Fe")},
    Row{u"LU", u"", u'G', -26.0, -60.0, QT_TRANSLATE_NOOP("CallArea", "Chaco and Formosa")},
    Row{u"LU", u"", u'H', -31.5, -64.0, QT_TRANSLATE_NOOP("CallArea", "Cordoba")},
    Row{u"LU", u"", u'I', -27.0, -55.0, QT_TRANSLATE_NOOP("CallArea", "Misiones")},
    Row{u"LU", u"", u'J', -32.0, -59.5, QT_TRANSLATE_NOOP("CallArea", "Entre Rios")},
    Row{u"LU", u"", u'K', -27.0, -65.3, QT_TRANSLATE_NOOP("CallArea", "Tucuman")},
    Row{u"LU", u"", u'L', -28.5, -58.0, QT_TRANSLATE_NOOP("CallArea", "Corrientes")},
    Row{u"LU", u"", u'M', -34.5, -68.5, QT_TRANSLATE_NOOP("CallArea", "Mendoza")},
    Row{u"LU", u"", u'N', -28.0, -63.5, QT_TRANSLATE_NOOP("CallArea", "Santiago del Estero")},
    Row{u"LU", u"", u'O', -24.8, -65.4, QT_TRANSLATE_NOOP("CallArea", "Salta")},
    Row{u"LU", u"", u'P', -31.0, -68.5, QT_TRANSLATE_NOOP("CallArea", "San Juan")},
    Row{u"LU", u"", u'Q', -33.5, -66.0, QT_TRANSLATE_NOOP("CallArea", "San Luis")},
    Row{u"LU", u"", u'R', -28.0, -66.5, QT_TRANSLATE_NOOP("CallArea", "Catamarca")},
    Row{u"LU", u"", u'S', -29.5, -67.0, QT_TRANSLATE_NOOP("CallArea", "La Rioja")},
    Row{u"LU", u"", u'T', -23.5, -65.5, QT_TRANSLATE_NOOP("CallArea", "Jujuy")},
    Row{u"LU", u"", u'U', -37.0, -65.0, QT_TRANSLATE_NOOP("CallArea", "La Pampa")},
    Row{u"LU", u"", u'V', -40.0, -67.0, QT_TRANSLATE_NOOP("CallArea", "Rio Negro")},
    Row{u"LU", u"", u'W', -44.0, -69.0, QT_TRANSLATE_NOOP("CallArea", "Chubut")},
    Row{u"LU", u"", u'X', -49.5, -70.0, QT_TRANSLATE_NOOP("CallArea", "Santa Cruz and Tierra del Fuego")},
    Row{u"LU", u"", u'Y', -38.5, -69.5, QT_TRANSLATE_NOOP("CallArea", "Neuquen")},
};

CallArea::Position positionOf(const Row& row, QString area)
{
    return {std::move(area), QCoreApplication::translate("CallArea", row.name), row.latitude, row.longitude};
}

} // namespace

std::optional<qsizetype> CallArea::digitIndex(QStringView call)
{
    qsizetype i = call.size();
    while (i > 0 && call.at(i - 1).isLetter()) {
        --i;
    }
    // A call needs letters after its digit, and a digit that is not the call's only character.
    if (i == call.size() || i < 2 || !call.at(i - 1).isDigit()) {
        return std::nullopt;
    }
    return i - 1;
}

std::optional<CallArea::Position> CallArea::position(QStringView primaryPrefix, QStringView call)
{
    std::optional<qsizetype> index = digitIndex(call);
    if (!index && call.size() >= 2 && call.back().isDigit()) {
        index = call.size() - 1;
    }
    if (!index) {
        return std::nullopt;
    }
    if (primaryPrefix == u"LU") {
        // Argentina's province is the suffix's first letter, whatever the digit.
        if (*index + 1 >= call.size()) {
            return std::nullopt;
        }
        const QChar letter = call.at(*index + 1);
        for (const Row& row : rows) {
            if (primaryPrefix == row.entity && letter == row.key) {
                return positionOf(row, letter);
            }
        }
        return std::nullopt;
    }
    const QChar digit = call.at(*index);
    // Rows naming a prefix ("VO1") come before the country's plain digit rows.
    const QStringView prefix = call.left(*index + 1);
    const Row* plain = nullptr;
    for (const Row& row : rows) {
        if (primaryPrefix != row.entity || digit != row.key) {
            continue;
        }
        const QStringView rowPrefix(row.prefix);
        if (rowPrefix.isEmpty()) {
            plain = plain ? plain : &row;
        } else if (prefix == rowPrefix) {
            return positionOf(row, prefix.toString());
        }
    }
    return plain ? std::optional(positionOf(*plain, QString(digit))) : std::nullopt;
}
