#pragma once

// The three enumeration switches, owned by the main window.
struct EnumSwitches {
    bool FixedWidthNumbers = true;
    bool IncludeZero = false;
    bool InverseEnumeration = false;

    bool operator==(const EnumSwitches&) const = default;
};

// The switches in the order of their menu entries.
enum class EnumSwitch { FixedWidthNumbers, IncludeZero, InverseEnumeration };
