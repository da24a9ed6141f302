#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly {

// A paper as the print system describes it, in hundredths of a millimetre: its size, the edges
// of it the printer cannot print on (where the queue says), and the name the job asks for it by.
struct Paper {
    int width = 0;
    int length = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
    int top = 0;
    bool marginsKnown = false;
    std::string name;

    static Paper ofSize(int width, int length)
    {
        Paper paper;
        paper.width = width;
        paper.length = length;
        return paper;
    }
};

// The size a paper's name stands for, whichever way it is written: a standard name with its
// size in it ("iso_a4_210x297mm", "custom_148.52x209.9mm_148.52x209.9mm"), an older name in any
// case ("A4", "a4", "Letter", "iso-a4", "na-letter") or a driver's custom size ("Custom.595x842",
// in points unless it names its unit). Nothing for a name it does not know.
std::optional<Paper> paperNamed(std::string_view name);

// The default paper a driver's description (PPD) gives, with its printable area.
std::optional<Paper> ppdDefaultPaper(std::string_view ppd);

// Everything a queue may say of its paper.
struct QueueFacts {
    // The media a job gets unless it asks otherwise: the person's own choice for the queue, or
    // failing that the one the queue hands out with its other defaults; it may list the paper
    // with a tray or a kind of paper, separated by commas.
    std::string chosen;
    // The queue's default media by name; empty where it cannot name it.
    std::string mediaDefault;
    // The queue's default media as a size with margins.
    std::optional<Paper> collectionDefault;
    // The sizes the queue offers, each with its margins.
    std::vector<Paper> supported;
    // The default paper of the queue's driver description, fetched only where nothing above told.
    std::function<std::optional<Paper>()> ppdDefault;
};

// The paper a job for the queue is printed on, with the printable area and the name to ask for
// it by: the person's choice, the queue's default by name, by size, then its driver's default.
// Nothing where the queue says nothing of its paper. `sized` reads a name (paperNamed, and what
// the print system knows beside it).
std::optional<Paper> queuePaper(const QueueFacts& facts,
                                const std::function<std::optional<Paper>(std::string_view)>& sized);

} // namespace tessaly
