#include "settings/detailoptions.h"

#include "store/preferences.h"

DetailOptions DetailOptions::Load()
{
    DetailOptions o;
    o.choice[Order] = Prefs::PrintOnConfirm.get() ? 1 : 0;
    o.choice[Menu] = Prefs::QuickAddMenu.get() ? 1 : 0;
    o.choice[Shinko] = static_cast<int>(Prefs::ProgressMode.get());
    o.choice[Print] = Prefs::PrintWithoutDialog.get() ? 1 : 0;
    o.choice[Nohin] = Prefs::LandscapeNote.get() ? 1 : 0;
    return o;
}

void DetailOptions::Save() const
{
    Prefs::PrintOnConfirm.set(choice[Order] != 0);
    Prefs::QuickAddMenu.set(choice[Menu] != 0);
    Prefs::ProgressMode.set(static_cast<::ProgressMode>(choice[Shinko]));
    Prefs::PrintWithoutDialog.set(choice[Print] != 0);
    Prefs::LandscapeNote.set(choice[Nohin] != 0);
}
