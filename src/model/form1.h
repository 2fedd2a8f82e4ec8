// The controls of the main window as data: what the game shows and what the player acts on.
// The constructor gives every control its design caption, colours, fonts and position (twips).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/controls.h"

namespace orv {

inline constexpr Colore kBluMossa = 0x0000C0;
inline constexpr Colore kGialloCursore = 0xFFFFC0;
inline constexpr Colore kRosaMarca = 0xFFC0FF;
inline constexpr Colore kGrigioEsclusione = 0xC0C0C0;
inline constexpr Colore kVerdeSemaforo = 0x00FF00;
inline constexpr Colore kRossoSemaforo = 0xFF0000;
inline constexpr Colore kGialloSemaforo = 0xFFFF00;
inline constexpr Colore kVerdeReticolo = 0x008000;
inline constexpr Colore kViola = 0x800080;
inline constexpr Colore kAzzurroTolto = 0xC0C0FF;
inline constexpr Colore kVerdeNascosto = 0xC0FFC0;

// The window's key events: key codes follow the toolkit's virtual keys.
namespace tasti {
inline constexpr int Invio = 13;
inline constexpr int Esc = 27;
inline constexpr int Spazio = 32;
inline constexpr int Sinistra = 37;
inline constexpr int Su = 38;
inline constexpr int Destra = 39;
inline constexpr int Giu = 40;
inline constexpr int Canc = 46;
inline constexpr int Tn0 = 96;  // keypad digits 96..105
inline constexpr int F1 = 112;
inline constexpr int F2 = 113;
inline constexpr int F11 = 122;
inline constexpr int F12 = 123;
}  // namespace tasti

using KeyHandler = std::function<void(int keyCode, int shift)>;
using KeyPressHandler = std::function<void(int ascii)>;

struct Form1 {
  Form1();
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // The window itself.
  std::string caption;
  MousePointer mousePointer = MousePointer::Normal;
  Surface surface;
  // The client area (twips): wide enough for the hint panel where the reset places it, tall
  // enough for the solution pictures under the grid.
  int width = 12300;
  int height = 8100;
  // Keys are seen by the window before its controls.
  KeyHandler onKeyDown;
  KeyHandler onKeyUp;
  KeyPressHandler onKeyPress;

  Button Apri{"Apri"}, DatIniz{"DatIniz"}, Gioca{"Gioca"}, Salva{"Salva"}, Azzera{"Azzera"};

  Frame SuggeFrame{"SuggeFrame"};
  OptionGroup gruppoSugge;
  OptionButton Sugge0{"Sugge0"}, Sugge1{"Sugge1"}, Sugge2{"Sugge2"}, Sugge6{"Sugge6"},
      Sugge8{"Sugge8"};
  ComboBox Sugge3a{"Sugge3a"};
  Button Sugge3b{"Sugge3b"}, Sugge3c{"Sugge3c"}, Sugge3d{"Sugge3d"};
  Label Sugge5{"Sugge5"};

  ControlArray<Label> caN{Label("caN", 0)};
  ControlArray<Line> liO{Line("liO", 0)}, liV{Line("liV", 0)};
  ControlArray<Label> ri{Label("ri", 0)}, co{Label("co", 0)};

  Label Fatti{"Fatti"}, Resto{"Resto"}, NErr{"NErr"};
  Shape Semaf{"Semaf"};
  Label SemaLab{"SemaLab"};

  PictureBox FraCons{"FraCons"};
  ListBox ListCons{"ListCons"};
  Label Cons0{"Cons0"};
  Button Cons1{"Cons1"}, Cons2{"Cons2"}, Cons3{"Cons3"}, Applica{"Applica"};
  Label Tenta0{"Tenta0"};
  Button VaiTenta{"VaiTenta"}, AppTenta{"AppTenta"};
  PictureBox PersTra{"PersTra"}, ImaCompl{"ImaCompl"};

  Frame CorCanF{"CorCanF"};
  Label CorCanT{"CorCanT"};
  ControlArray<CheckBox> cM{CheckBox("cM", 0)};
  TextBox CorCan{"CorCan"};
  Frame CorVF{"CorVF"};
  OptionGroup gruppoCv1;
  ControlArray<OptionButton> cv1{OptionButton("cv1", 0)};
  TextBox Civetta{"Civetta"};

  PictureBox IPeri{"IPeri"}, Peri{"Peri"}, APeri{"APeri"};
  ListBox Poss2{"Poss2", true}, Poss3{"Poss3", true};
  Timer TempCons{"TempCons", 500}, TempEr{"TempEr", 1000};

  // The menus in window order; separators are items whose caption is "-".
  MenuItem mFile, mApri, mCrea, mAzzer, mSalva, msp1, mChiudi, mAzio, mSugge0, mSugge1, mSugge2,
      mSugge6, mSugge8, msp2, mSoluz, mStrumenti, mApplica, msp3, mCanMoss, mNuoVal, mRicMan, msp4,
      mPerSuCom, mMosRiso, mRicFla, msp9, mFunzAva, mOpzio, mValuta, msp11, mCreaDoc, msp5, mUsaSS,
      mAiuto, mGuida, n0, n1, n2, n3, n4, n5, n6, n7, n8, n9, n10, n11, n12, n13, n14, n15, n16,
      n17, m20, m21, m22, m23, m24, m30, msp8, mInfo;
  // Every menu item, in window order (for the renderer and the session driver).
  std::vector<MenuItem*> menu;

  // Every control, array members included, in a stable order (for the renderer and the driver).
  std::vector<Control*> controlli();

  // Calls f on each control array, so that generic code can walk them.
  template <class F>
  void perOgniArray(F&& f) {
    f(caN);
    f(liO);
    f(liV);
    f(ri);
    f(co);
    f(cM);
    f(cv1);
  }
};

}  // namespace orv
