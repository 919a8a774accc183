#pragma once

#include <string>

namespace lumbrix {

// Numbers the main window keeps for the current pattern. The steps of one central update pass
// them on to each other: each value is written by one step and read by later ones. All are
// zero until first written.
struct PatternValues {
    // ---- pattern and log
    double dblPalgimaht = 0;      // log volume, m3, rounded to 3 decimals
    double saematerjalimaht = 0;  // sawn volume of all five board lists, m3, 3 decimals
    double valjatulek = 0;        // yield: sawn volume / log volume, 3 decimals
    double sydaosakaal = 0;       // centre boards' volume / sawn volume, unrounded
    double ketas1saag = 0;        // first-saw kerf, mm (the number in the store)
    std::string ketas2saag;       // second-saw kerf, mm, as the store's text holds it

    // ---- full-edge computation: diameters (mm) of the circles through the outer corners of
    // side and edger positions 0 (inner) and 1 (outer), and whether a board had to be held at
    // the shortest full-edge length (1) or not (0).
    double kylgdiameeter0 = 0;
    double kylgdiameeter1 = 0;
    double seimerdiameeter0 = 0;
    double seimerdiameeter1 = 0;
    int palgistvaljas = 0;

    // ---- log cost (per m3 of sawn timber unless noted)
    double palgikulu = 0;      // m3 of logs per m3 of sawn timber
    double klassihind = 0;     // class price per m3 of logs
    double palgikuluhind = 0;  // log cost
    // Whether this update's lookup found a price class for the log. Without one the class
    // price and the log cost count 0 and the figures that contain the log cost stay empty.
    bool hasLogPrice = false;

    // ---- revenues, costs and margin, per m3 of sawn timber
    double purutulu = 0;         // sawdust revenue
    double hakketulu = 0;        // chips revenue
    double kooretulu = 0;        // bark revenue
    double saekavahind = 0;      // pattern price: the sum of the boards' price contributions
    double tulud = 0;            // revenue: pattern price plus by-product revenues
    double kulud = 0;            // costs: log cost, production cost and depreciation
    double kuludEBITDA = 0;      // costs without depreciation
    double marginaal = 0;        // margin (EBIT): revenue less costs
    double marginaalEBITDA = 0;  // EBITDA: revenue less costs without depreciation
};

}  // namespace lumbrix
