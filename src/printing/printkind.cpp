#include "printing/printkind.h"

#include "store/preferences.h"

#include <array>
#include <utility>

namespace
{
constexpr std::array<std::pair<PrintKind, const char *>, 5> kNames = {{
    {PrintKind::Nohin, "Nohin"},
    {PrintKind::Nohin2, "Nohin2"},
    {PrintKind::SK, "SK"},
    {PrintKind::SS, "SS"},
    {PrintKind::DM, "DM"},
}};
} // namespace

QString PrintKindName(PrintKind kind)
{
    for (const auto &[k, name] : kNames) {
        if (k == kind)
            return QString::fromLatin1(name);
    }
    return {};
}

PrintKind PrintKindFromName(const QString &name)
{
    for (const auto &[k, text] : kNames) {
        if (name == QLatin1String(text))
            return k;
    }
    return PrintKind::None;
}

PrintKind DeliveryNoteKind()
{
    return Prefs::LandscapeNote.get() ? PrintKind::Nohin2 : PrintKind::Nohin;
}
