#pragma once

// The days from which each task is reckoned; the breeder may change them.
// The canary defaults follow what breeders' guides give: incubation from the
// set clutch lasts 13 to 14 days (pajaroscanarios.com, "Incubation";
// vogelhaus-geretsried.jimdo.com, "Kanarienvögel": "Brutdauer 13-14 Tage"),
// fertile eggs show their veins when candled after about a week, closed rings
// go on when the eyes begin to open, about the 5th to 8th day after hatching
// (tierwelt.ch, "Beringung von Ziervögeln"; girlitz.de, "Beringung": 8th day
// ± 1 for a serin), and the young leave the nest at about 16 days and feed
// alone some days later (articlebiz.com, "Peculiarities in breeding
// canaries"), so they are weaned at three weeks.
struct CalendarDays
{
    int candling = 6; // after the start of incubation
    int hatching = 13; // after the start of incubation
    int ringing = 6; // after hatching
    int weaning = 21; // after hatching
    int lookAhead = 14; // how many days ahead the calendar looks

    bool operator==(const CalendarDays&) const = default;
};
