// Writes the Init templates of every band plan (TORVA6Y_0.dat .. TORVA6Y_7.dat, each with its
// channel file) into the folder given as the only argument, from the program's own defaults and
// data-file codec: each template is the default data set of its band plan.

#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "data/app_state.h"
#include "data/data_file.h"
#include "data/defaults.h"
#include "data/model_band.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: mkinit <Init folder>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "mkinit: cannot create %s\n", argv[1]);
        return 1;
    }
    for (int band = 0; band < kBandPlanCount; ++band) {
        ResetState();
        AppState &s = State();
        s.CurBandPlanIndex = static_cast<int16_t>(band);
        s.CurBandPlanText = BandRangeText(band);
        if (!ParseBandLimits()) {
            std::fprintf(stderr, "mkinit: band plan %d has no limits\n", band);
            return 1;
        }
        // The template is the plain default set; reading an older template here would copy it.
        s.SkipInitTemplate = 1;
        NewFreData();
        SnapshotToSaved();
        const QString path = QStringLiteral("%1/%2_%3.dat").arg(dir, s.CurModelCode).arg(band);
        if (!WriteDataSet(path, s.SavedRadioData, s.SavedChannelList)) {
            std::fprintf(stderr, "mkinit: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
