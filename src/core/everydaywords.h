// Words shoppers use for what the catalogue calls otherwise. One way only: the
// shopper's word finds the catalogue's, never the reverse. A catalogue word
// written joined ("harddrive") finds two neighbouring words ("Hard Drives").
// Both sides are lower case; a plural of the shopper's word finds the same.
#pragma once

#include <string_view>

namespace benchlist {

struct EverydayWord {
    std::string_view shopper;
    std::string_view catalogue;
};

// Sorted by the shopper's word.
inline constexpr EverydayWord kEverydayWords[] = {
    {"adaptor", "adapter"},
    {"adsl", "dsl"},
    {"aluminium", "aluminum"},
    {"antiglare", "glare"},
    {"apple", "mac"},
    {"beamer", "projector"},
    {"bracket", "mount"},
    {"broadband", "dsl"},
    {"bulk", "wholesale"},
    {"burner", "cdrw"},
    {"chassis", "case"},
    {"cleaner", "cleaning"},
    {"colour", "color"},
    {"cooler", "heatsink"},
    {"cord", "cable"},
    {"dialup", "56k"},
    {"dimm", "memory"},
    {"disk", "drive"},
    {"diskette", "floppy"},
    {"display", "monitor"},
    {"dock", "docking"},
    {"earphone", "headphone"},
    {"fibre", "fiber"},
    {"gpu", "video"},
    {"graphic", "video"},
    {"hdd", "harddrive"},
    {"headset", "headphone"},
    {"lan", "network"},
    {"macintosh", "mac"},
    {"mainboard", "motherboard"},
    {"medium", "media"},
    {"mic", "microphone"},
    {"mobo", "motherboard"},
    {"mouse", "mice"},
    {"notebook", "laptop"},
    {"organiser", "pda"},
    {"organizer", "pda"},
    {"palmtop", "handheld"},
    {"pen", "styluses"},
    {"pendrive", "flash"},
    {"phone", "telecom"},
    {"photocopier", "multi"},
    {"processor", "cpu"},
    {"psu", "powersupply"},
    {"ram", "memory"},
    {"replicator", "docking"},
    {"retro", "vintage"},
    {"rj45", "jack"},
    {"screen", "monitor"},
    {"simm", "memory"},
    {"stick", "flash"},
    {"tft", "lcd"},
    {"thumbdrive", "flash"},
    {"tower", "case"},
    {"tube", "crt"},
    {"voip", "voice"},
    {"webcam", "videoconferencing"},
    {"wlan", "wireless"},
};

} // namespace benchlist
