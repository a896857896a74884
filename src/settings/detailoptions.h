#pragma once
// The five behaviour options of the detail settings window, each the index of its chosen
// option; 0 is the option the program starts with.
#include <array>

struct DetailOptions {
    enum Option { Order, Menu, Shinko, Print, Nohin, Count };
    std::array<int, Count> choice{};

    // How many choices each option offers.
    static int ChoiceCount(Option option) { return option == Shinko ? 3 : 2; }

    // The stored preferences; a missing or unreadable value reads as 0.
    static DetailOptions Load();
    // Stores all five values, in the order ORDER, MENU, SHINKO, PRINT, NOHIN.
    void Save() const;

    bool operator==(const DetailOptions &) const = default;
};
