#pragma once
// The label-sheet settings (preference section PAPER) as the paper window checks and stores them.
#include <QString>
#include <QStringList>

#include <array>

// UP, LEFT, WIDTH, HEIGHT, TATE: the texts as stored.
using DmPaperTexts = std::array<QString, 5>;

DmPaperTexts ReadDmPaperTexts();
void StoreDmPaperTexts(const DmPaperTexts &texts);
// The sheet "エーワン：28315": 23.5, 7, 64, 33.9, 7.
DmPaperTexts DefaultDmPaperTexts();

// The refusal of a field's value when it is left, or "" when it may be left. `field` 0..4.
struct DmPaperRefusal {
    QString title, text;
};
std::vector<DmPaperRefusal> CheckDmPaperField(int field, const QString &text);

// The A4 limits of the whole sheet: LEFT + 3 x WIDTH <= 210, UP + HEIGHT x TATE <= 297. Empty
// when the sheet fits.
std::vector<DmPaperRefusal> CheckDmPaperSheet(const DmPaperTexts &texts);
