#pragma once
// What the page mechanism draws. The names are the texts the kinds go by outside the program
// (the headless tool's --kind, the file name a preview offers for its PDF).
#include <QString>

enum class PrintKind {
    None,   // draws an empty page
    Nohin,  // delivery note, A5 portrait
    Nohin2, // delivery note, A5 landscape in three copies
    SK,     // sales totals by item
    SS,     // staff collection sheet
    DM,     // address labels
};

// "Nohin", "Nohin2", "SK", "SS", "DM"; "" for None.
QString PrintKindName(PrintKind kind);
// The kind of one of those names; None for any other text.
PrintKind PrintKindFromName(const QString &name);

// The delivery-note form chosen by "SET" / "NOHIN": Nohin2 unless it is unset or "0".
PrintKind DeliveryNoteKind();
