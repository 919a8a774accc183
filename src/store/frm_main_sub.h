#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/form.h"

namespace lumbrix {

class Application;

// The five board lists of the pattern, as the per-board result arrays are grouped.
enum class BoardList { Syda, KylgVasak, KylgParem, SeimerAll, SeimerYleval };

// The hidden store of settings, picked-product values and intermediate results that several
// windows and procedures share. It is never shown. Every field holds text: a number is written
// as text and read back through RegionCompVal. Each field starts with its design value; nothing
// resets the store as a whole.
class frmMainSub : public Form {
  public:
    explicit frmMainSub(Application& app);

    // ---- A: the current profile's settings (trims in mm, log length module, volume
    // coefficient, monthly costs, capital employed, saw kerfs in mm, by-product factors and
    // prices), the profile's save stamp and the full-edge switch ("0" off, anything else on).
    std::string txtKappimineSydmat;
    std::string txtKappimineLauad;
    std::string txtPalgiMoodul = "300";
    std::string txtPalgimahukoefitsent = "0.95";
    std::string txtKuisedPysikuludKokku;
    std::string txtKuisedAmordikuludKokku;
    std::string txtCE = "0";
    std::string txtYhikuMuutuvkulud;
    std::string txtKuineTootmismaht;
    std::string txtKetas1saag = "5";
    std::string txtKetas2saag = "4";
    std::string txtKetasSeimer = "5";
    std::string txtKetasTrimmer = "5";
    std::string txtKoefitsentHake = "2.4";
    std::string txtKoefitsentPuru = "3.4";
    std::string txtKoefitsentKoor = "3.4";
    std::string txtKoefitsentKoorPalgist = "0.08";
    std::string txtHakehind;
    std::string txtsaepuruHind;
    std::string txtkoorhind;
    std::string lblSalvestatud;
    std::string lblArvutaTaiskant = "0";

    // ---- B: production cost and depreciation per m3 of sawn timber, derived from the
    // monthly figures of group A.
    std::string txtKuluTootmine;
    std::string txtKuluAmort;

    // ---- C: the planner's preferences as read at start: automatic fit ("1" on) and the
    // profile to load.
    std::string txtAutoFit;
    std::string txtVaikimisiProfiil;

    // ---- D: the log price lookup's working fields: the row last tested, its diameter
    // bounds, its log pocket id and the class price.
    std::string txtpalgiklass;
    std::string txtpalgiminDiam;
    std::string txtpalgiMaxdiam;
    std::string txtpalgitasku;
    std::string txtpalgiklassihind;

    // ---- E: the picked product: its whole product row, sawing thickness and width, price
    // per m3, moisture percent and comment.
    std::string txtristloige;
    std::string txtpaksus;
    std::string txtlaius;
    std::string txttootehind;
    std::string txtNiiskus;
    std::string txtKommentaar;

    // ---- F: per board, element i for row i of its list: the board's share of the sawn
    // volume and its price contribution per m3 of sawn timber. Blank while no board is there.
    std::array<std::string, 8> lblSydaosakaal;
    std::array<std::string, 8> lblsydamargin;
    std::array<std::string, 2> lblKylgVasakosakaal;
    std::array<std::string, 2> lblKylgVasakmargin;
    std::array<std::string, 2> lblKylgParemosakaal;
    std::array<std::string, 2> lblKylgParemmargin;
    std::array<std::string, 2> lblSeimerAllosakaal;
    std::array<std::string, 2> lblSeimerAllmargin;
    std::array<std::string, 2> lblSeimerYlevalosakaal;
    std::array<std::string, 2> lblSeimerYlevalmargin;

    // ---- G: the centre-board break-even working values: each centre board's share of the
    // centre volume and that share times its price.
    std::array<std::string, 8> lblSydaOsakaalSydames;
    std::array<std::string, 8> lblSydaHindSydames;

    // ---- H: by-product balance per m3 of sawn timber: sawn, sawdust, chips and bark solid
    // volumes, then the loose volumes of sawdust, chips and bark.
    std::string lblsaematmaht;
    std::string lblpurumaht;
    std::string lblhakkemaht;
    std::string lblkoormaht;
    std::string lblpurupuistekant;
    std::string lblpuistehakkekant;
    std::string lblpuistekoorkant;

    // ---- I: the comparison slot last chosen (0 to 4), whether the information box was
    // opened from the menu ("1" once it was), and the language's caption of the raw-material
    // price line.
    std::string lblcompareselected;
    std::string lblmnuInfoclicked = "0";
    std::string lblKKLabelLogATP;

    // Blanks every share and contribution element of one board list (a board was removed).
    void clearBoardResults(BoardList list);
    // Blanks the share and contribution elements of all five lists (a new pattern).
    void clearAllBoardResults();

    // The text field (not an array) of this exact name, or nullptr when there is none; for
    // code that addresses fields by name, such as the language file loader.
    std::string* field(std::string_view name);
    const std::string* field(std::string_view name) const;
};

}  // namespace lumbrix
