#include "pictures/Unit5.h"

#include <QLabel>

#include "platform/controls.h"

namespace kestrel {

TAbout::TAbout(QWidget* parent)
    : TForm(QStringLiteral("About"), QStringLiteral(" Amateur Radio Kestrel About..."), QSize(389, 421),
            colors::Sand, parent) {
  auto label = [this](const QString& name, const QRect& r, const QString& text) {
    auto* l = new QLabel(text, this);
    l->setObjectName(name);
    l->setGeometry(r);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColor(l, colors::Navy);
    return l;
  };
  Label7 = label(QStringLiteral("Label7"), QRect(125, 8, 160, 13), QStringLiteral("Amateur Radio Kestrel  v73.024"));
  Label2 = label(QStringLiteral("Label2"), QRect(143, 22, 120, 13), QStringLiteral("The Kestrel developers"));
  Label1 = label(QStringLiteral("Label1"), QRect(9, 44, 375, 110),
                 QStringLiteral("  The Amateur Radio Kestrel can be used to quickly locate\n"
                                "the correct heading for a directional antenna.  The direction calculated will be\n"
                                "the shortest distance (as the crow flies) between the latitude and longitude of\n"
                                "the home QTH and  latitude and longitude of the selected country or U.S. \n"
                                "city/state.  To display the long path, double click on the 'Degrees:' label.\n"
                                "Except where additional locations within a country are listed, the antenna \n"
                                "heading will be toward the center of the chosen country.\n"
                                "(Exception: Russia points to western Russia.)"));
  Label4 = label(QStringLiteral("Label4"), QRect(9, 160, 375, 42),
                 QStringLiteral("  Upon clicking on a U.S. state button, the direction will be calculated from the\n"
                                "home QTH to the center of the chosen state.  Further narrowing of the direction\n"
                                "can be done by selecting a city from the city list for that state."));
  Label3 = label(QStringLiteral("Label3"), QRect(9, 216, 375, 175),
                 QStringLiteral("  When the DXCC list has been chosen, the list can be sorted by call sign or by\n"
                                "country, by clicking the small 'S' button to the right of the country selection box.\n"
                                " \n"
                                "  The home QTH  latitude and longitude parameters are entered into the\n"
                                "preferences window.  Also set the time offset for the home QTH for the \n"
                                "sunset / sunrise times to be correct.  The degrees.minutes should be\n"
                                "actual degrees.minutes: dd.00-59 (not a percent of 60 minutes: dd.00-99).\n"
                                " \n"
                                "  The antenna should be set to true north (not magnetic north) for the \n"
                                "calculations to be correct.\n"
                                " \n"
                                "  If the information is not fully displayed in the status bar at the bottom of the\n"
                                "window, double click on the status bar to expand the panel."));
  // Liberation Sans runs wider than the layout's bitmap font: one pixel smaller keeps every
  // help line whole within the window.
  for (QLabel* l : {Label1, Label4, Label3}) l->setFont(LayoutFont("MS Sans Serif", 10));
  SpeedButton1 = AddCloseButton(this, QStringLiteral("SpeedButton1"), QRect(163, 395, 62, 23),
                                colors::Tan, QStringLiteral("OK"));
}

}  // namespace kestrel
