#include "toolkit/core/IsolatedText.h"

#include <QChar>
#include <gtest/gtest.h>

namespace {

// The engine decides without Qt; its table must say what Qt's character data says.
TEST(RightToLeftTable, AgreesWithQtForEveryCodePoint) {
    int disagreements = 0;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        switch (QChar::direction(c)) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirAN:
        case QChar::DirLRE:
        case QChar::DirRLE:
        case QChar::DirLRO:
        case QChar::DirRLO:
        case QChar::DirPDF:
        case QChar::DirLRI:
        case QChar::DirRLI:
        case QChar::DirFSI:
        case QChar::DirPDI:
            if (!toolkit::changesSurroundingOrder(c) && ++disagreements < 20) {
                ADD_FAILURE() << std::hex << "U+" << static_cast<unsigned>(c) << " missing";
            }
            break;
        default:
            if (toolkit::changesSurroundingOrder(c) && ++disagreements < 20) {
                ADD_FAILURE() << std::hex << "U+" << static_cast<unsigned>(c) << " too many";
            }
        }
    }
    EXPECT_EQ(disagreements, 0);
}

} // namespace
