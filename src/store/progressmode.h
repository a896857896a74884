#pragma once
// How far the delivery of an order is tracked (the preference SET / SHINKO stores the number).

enum class ProgressMode {
    Normal = 0,            // received, departed, delivered with containers out, complete
    NoCollection = 1,      // delivery completes the order: there are no containers to collect
    CompleteAtConfirm = 2, // an order is complete as soon as it is confirmed
};
