#pragma once
// The fixed content of the demonstration shop written by the sample-data generator: a soba and
// sushi delivery shop in Setagaya, its menu, staff, input-support lists and the pieces customer
// names and addresses are drawn from.
#include <QStringList>

#include <vector>

namespace SampleCatalog
{

// Point service of the demonstration shop: 1 point per 100 yen, 50 points give 500 yen off,
// points lapse after 6 months without an order.
constexpr int kTaxRate = 10;
constexpr int kPointYenUnit = 100;
constexpr int kPointsPerUnit = 1;
constexpr int kPointStep = 50;
constexpr int kPointStepYen = 500;
constexpr int kPointValidMonths = 6;
constexpr int kDeliveryFee = 300;

struct MenuItem {
    const char *group;
    const char *name;
    int price;
    const char *kana;
    int weight;    // how often it is ordered, relative to the other items
    int optionSet; // which options suit it (bit mask over Options())
};

struct Option {
    const char *text;
    int set; // bit of MenuItem::optionSet
};

struct Town {
    const char *zip;
    const char *city;      // 市区町村 as stored in the customer record, prefecture included
    const char *cityShort; // the same without the prefecture, as building addresses are written
    int maxChome;
};

struct Building {
    const char *name;
    int town; // index into Towns()
    int chome, ban, go;
    int floors;
};

// Groups appear in menu order; an entry with an empty name is a group without items.
const std::vector<MenuItem> &MenuItems();
const std::vector<Option> &Options();
const std::vector<Town> &Towns();
const std::vector<Building> &Buildings();
const QStringList &Staff();
const QStringList &DeliveryPlaces();
const QStringList &Surnames();   // half-width katakana
const QStringList &GivenNames(); // half-width katakana
const QStringList &Remarks();
const QList<int> &ServiceDiscounts(); // yen, negative

// Setting-file lines of the demonstration shop.
QStringList ShopLines();
QStringList MenuLines();
QStringList MenuOptionLines();
QStringList BuildingLines();
QStringList CtiLines();
// 120 menu-board lines: the first five rows hold the first items of the five main groups.
QStringList MenuBoardLines();

} // namespace SampleCatalog
