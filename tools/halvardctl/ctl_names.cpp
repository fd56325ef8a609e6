#include "tools/halvardctl/ctl_names.h"

#include "tools/halvardctl/ctl_card_settings.h"
#include "tools/halvardctl/ctl_line_values.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Levenshtein distance without letter case.
size_t Distance(const std::string& a, const std::string& b)
{
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            const size_t change = diagonal + (Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, change});
            diagonal = above;
        }
    }
    return row[b.size()];
}

bool ParseLineId(const std::string& text, DWORD& id)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    if (digits.empty() || digits.size() > 10 ||
        digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") != std::string::npos)
        return false;
    errno = 0;
    const unsigned long long number = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 10);
    if (errno != 0 || number > 0xFFFFFFFFULL)
        return false;
    id = static_cast<DWORD>(number);
    return true;
}

} // namespace

bool ResolveCtlName(const std::string& name, const std::vector<CtlLine>& lines, CtlTarget& target)
{
    target = CtlTarget();
    target.setting = CCtlCardSettings::Canonical(name);
    if (!target.setting.empty())
        return true;
    for (const CtlLine& line : lines)
        if (!line.alias.empty() && CtlSameText(line.alias, name)) {
            target.line = &line;
            return true;
        }
    for (const CtlLine& line : lines)
        if (CtlSameText(CtlShortName(line), name) || CtlSameText(CtlDisplayName(line), name)) {
            target.line = &line;
            return true;
        }
    DWORD id = 0;
    if (ParseLineId(name, id))
        for (const CtlLine& line : lines)
            if (line.entry->line.dwLineID == id) {
                target.line = &line;
                return true;
            }
    return false;
}

std::vector<std::string> ClosestCtlNames(const std::string& name, const std::vector<CtlLine>& lines, size_t most)
{
    std::vector<std::string> known = CCtlCardSettings::Names();
    for (const CtlLine& line : lines)
        for (const std::string& candidate : {line.alias, CtlShortName(line), CtlDisplayName(line)})
            if (!candidate.empty())
                known.push_back(candidate);
    // Each name once, whatever its letter case.
    std::vector<std::pair<size_t, std::string>> ranked;
    for (const std::string& candidate : known) {
        const bool seen = std::any_of(ranked.begin(), ranked.end(),
                                      [&](const std::pair<size_t, std::string>& r) { return CtlSameText(r.second, candidate); });
        if (!seen)
            ranked.emplace_back(Distance(name, candidate), candidate);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const std::pair<size_t, std::string>& a, const std::pair<size_t, std::string>& b) { return a.first < b.first; });
    std::vector<std::string> closest;
    for (size_t i = 0; i < ranked.size() && i < most; ++i)
        closest.push_back(ranked[i].second);
    return closest;
}
