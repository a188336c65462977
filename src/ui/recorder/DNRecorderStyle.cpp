#include "DNRecorderStyle.h"

QString DNRecorderStyleSheet()
{
    return QStringLiteral(R"(
DNToolWindow { background: #2b2e35; }
DNToolWindow > QLabel, DNToolWindow > QCheckBox { color: #dfe2e8; }
#recordRegionField { color: white; font-weight: bold; }
#statusItemView, #statusItemWindow { background: #2b2e35; border: 1px solid #15171b; }
#statusItemView QLabel { color: white; font-weight: bold; }
)");
}
