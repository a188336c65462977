#include "core/lang/LanguageNames.h"

#include "core/lang/IsoLanguageNames.h"
#include "core/lang/LanguageTables.h"
#include "core/log/DNLogger.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

using namespace talvane::lang;

namespace {

// The three-letter rows with their names, made once from the code list, the overrides and the
// iso-codes data; kept for the life of the process so the names handed out stay valid.
struct ThreeLetterTable
{
    std::deque<std::string> names;
    std::vector<LanguageRow> rows;
};

const char *overrideName(const char *code)
{
    for (std::size_t i = 0; i < kThreeLetterNameOverrideCount; ++i) {
        if (std::strcmp(kThreeLetterNameOverrides[i].code, code) == 0)
            return kThreeLetterNameOverrides[i].name;
    }
    return nullptr;
}

const ThreeLetterTable &threeLetterTable()
{
    static const ThreeLetterTable *table = [] {
        auto *made = new ThreeLetterTable;
        const QHash<QByteArray, QString> isoNames = readIsoLanguageNames(isoCodesJsonDirectory());
        if (isoNames.isEmpty())
            DNRoughLog(QStringLiteral("language names: cannot read the iso-codes data in %@"),
                       isoCodesJsonDirectory());
        for (std::size_t i = 0; i < kThreeLetterCodeCount; ++i) {
            const char *code = kThreeLetterCodes[i];
            if (const char *name = overrideName(code)) {
                made->rows.push_back({code, name});
                continue;
            }
            const QString name = isoNames.value(QByteArray(code));
            if (name.isEmpty())
                continue;
            made->names.push_back(name.toStdString());
            made->rows.push_back({code, made->names.back().c_str()});
        }
        return made;
    }();
    return *table;
}

const char *searchRows(const LanguageRow *begin, const LanguageRow *end, const char *code)
{
    const LanguageRow *found = std::lower_bound(begin, end, code, [](const LanguageRow &row, const char *key) {
        return std::strcmp(row.code, key) < 0;
    });
    if (found == end || std::strcmp(found->code, code) != 0)
        return nullptr;
    return found->name;
}

} // namespace

const char *LanguageNameForCode(const char *code)
{
    if (!code)
        return nullptr;
    char key[4] = {};
    std::strncpy(key, code, 3);
    const std::size_t length = std::strlen(key);
    if (length == 2) {
        for (char &c : key) {
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        }
        return searchRows(kTwoLetterLanguages, kTwoLetterLanguages + kTwoLetterLanguageCount, key);
    }
    if (length == 3) {
        const ThreeLetterTable &table = threeLetterTable();
        return searchRows(table.rows.data(), table.rows.data() + table.rows.size(), key);
    }
    return nullptr;
}
