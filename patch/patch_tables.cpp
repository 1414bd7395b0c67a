// Data only: the patch table of every resolution, in the order of application.
// Both texts of every entry stand exactly as the game's patch notes give them.
//
// Where all tables write the same bytes, the entry is named once and shared. The
// entry at 9BAFE is written twice in every table: first its 2-byte width, then a
// 19-byte run over it; the run is what stays.
#include <array>

#include "patch/patch_table.h"

namespace c3ws {
namespace {

// Shared by every table.
constexpr PatchEntry jmp5600{"5600", "EB"};
constexpr PatchEntry jmp5632{"5632", "EB"};
constexpr PatchEntry jmp2C5BA{"2C5BA", "EB"};
constexpr PatchEntry mov85AE5{"85AE5", "B8 00 00 00 00 90 90"};
constexpr PatchEntry mov84205{"84205", "BA 00 02 00 00 90"};
constexpr PatchEntry mov842A1{"842A1", "B8 00 02 00 00"};
// Shared by every table but that of 1366×768.
constexpr PatchEntry jmp81B93{"81B93", "E9 E7 31 02 00"};

// Shared by the 1280-wide tables.
constexpr PatchEntry width81A6E_1280{"81A6E", "00 05 00 00 75 14 C7 05 34 6C 4C 00 36 04"};
constexpr PatchEntry width81AA4_1280{"81AA4", "00 05"};
constexpr PatchEntry value9C5EB_1280{"9C5EB", "D8 04"};
constexpr PatchEntry width81B6D_1280{"81B6D", "00 05"};
constexpr PatchEntry width826C2_1280{"826C2", "00 05"};
constexpr PatchEntry width9BAFE_1280{"9BAFE", "00 05"};
constexpr PatchEntry width9C617_1280{"9C617", "00 05"};
constexpr PatchEntry run9BAFE_1280{"9BAFE", "00 05 00 00 0F 85 8C 00 00 00 83 3D 94 03 96 00 01 8B FF"};
constexpr PatchEntry run9BB40_1280{"9BB40", "00 05 00 00 7C CF 0F BF 0D 26 1A 6C 00 8D 04 7F 6A 00 C1 E0 03 83 C1 0B 50 51 E8 31 6C FC FF 83 C4 0C 8B FF 90"};
constexpr PatchEntry codeA4D7F_1280_40{"A4D7F", "E8 0C DA FB FF 83 C4 0C 0F BF 15 28 1A 6C 00 B9 36 04 00 00 68 90 02 00 00 83 C2 04 51 52 E8 EE D9 FB FF E9 F1 CD FD FF"};

constexpr std::array table1280x768{
    jmp5600, jmp5632, jmp2C5BA,
    PatchEntry{"65415", "00 05 00 00 B9 00 03"},
    PatchEntry{"65620", "00 05 00 00 B9 00 03"},
    PatchEntry{"6955E", "00 05 00 00 75 0A 6A 1E 6A 3A 6A 32 6A 12"},
    width81A6E_1280, width81AA4_1280, value9C5EB_1280,
    width81B6D_1280, width826C2_1280, width9BAFE_1280,
    mov85AE5, mov84205, mov842A1, jmp81B93,
    codeA4D7F_1280_40,
    width9C617_1280, run9BAFE_1280, run9BB40_1280,
};

constexpr std::array table1280x800{
    jmp5600, jmp5632, jmp2C5BA,
    PatchEntry{"65415", "00 05 00 00 B9 20 03"},
    PatchEntry{"65620", "00 05 00 00 B9 20 03"},
    PatchEntry{"6955E", "00 05 00 00 75 0A 6A 1E 6A 3A 6A 34 6A 12"},
    width81A6E_1280, width81AA4_1280, value9C5EB_1280,
    width81B6D_1280, width826C2_1280, width9BAFE_1280,
    mov85AE5, mov84205, mov842A1, jmp81B93,
    codeA4D7F_1280_40,
    width9C617_1280, run9BAFE_1280, run9BB40_1280,
};

constexpr std::array table1280x960{
    jmp5600, jmp5632, jmp2C5BA,
    PatchEntry{"65415", "00 05 00 00 B9 C0 03"},
    PatchEntry{"65620", "00 05 00 00 B9 C0 03"},
    PatchEntry{"6955E", "00 05 00 00 75 0A 6A 1E 6A 3A 6A 3F 6A 12"},
    width81A6E_1280, width81AA4_1280, value9C5EB_1280,
    width81B6D_1280, width826C2_1280, width9BAFE_1280,
    mov85AE5, mov84205, mov842A1, jmp81B93,
    PatchEntry{"A4D7F", "E8 0C DA FB FF 83 C4 0C 0F BF 15 28 1A 6C 00 B9 36 04 00 00 68 F5 02 00 00 83 C2 04 51 52 E8 EE D9 FB FF E9 F1 CD FD FF 90"},
    width9C617_1280, run9BAFE_1280, run9BB40_1280,
};

// Listed as 1366×768; the game is told 1360 wide except in the last two runs.
constexpr std::array table1366x768{
    jmp5600, jmp5632, jmp2C5BA,
    PatchEntry{"65415", "50 05 00 00 B9 00 03"},
    PatchEntry{"65620", "50 05 00 00 B9 00 03"},
    PatchEntry{"6955E", "50 05 00 00 75 0A 6A 1E 6A 3A 6A 32 6A 14"},
    PatchEntry{"81A52", "00 00"},
    PatchEntry{"81A6E", "50 05 00 00 75 14 C7 05 34 6C 4C 00 AE 04"},
    PatchEntry{"81A84", "AE 04"},
    PatchEntry{"81A96", "50 05"},
    PatchEntry{"81B6D", "50 05"},
    PatchEntry{"826C2", "50 05"},
    PatchEntry{"9BAFE", "50 05"},
    mov85AE5, mov84205, mov842A1,
    PatchEntry{"9BAFE", "56 05 00 00 0F 85 8C 00 00 00 83 3D 94 03 96 00 01 8B FF"},
    PatchEntry{"9BB40", "56 05 00 00 7C CF 0F BF 0D 26 1A 6C 00 8D 04 7F 6A 00 C1 E0 03 83 C1 0B 50 51 E8 31 6C FC FF 83 C4 0C 8B FF 90"},
};

constexpr std::array table1440x900{
    jmp5600, jmp5632, jmp2C5BA,
    PatchEntry{"65415", "A0 05 00 00 B9 84 03"},
    PatchEntry{"65620", "A0 05 00 00 B9 84 03"},
    PatchEntry{"6955E", "A0 05 00 00 75 0A 6A 1E 6A 3A 6A 3B 6A 15"},
    PatchEntry{"81A6E", "A0 05 00 00 75 14 C7 05 34 6C 4C 00 EA 04"},
    PatchEntry{"81A84", "EA 04"},
    PatchEntry{"81A96", "A0 05"},
    PatchEntry{"81B6D", "A0 05"},
    PatchEntry{"826C2", "A0 05"},
    PatchEntry{"9BAFE", "A0 05"},
    mov85AE5, mov84205, mov842A1, jmp81B93,
    PatchEntry{"A4D7F", "E8 0C DA FB FF 83 C4 0C 0F BF 15 28 1A 6C 00 B9 EA 04 00 00 68 F5 02 00 00 83 C2 04 51 52 E8 EE D9 FB FF E9 F1 CD FD FF 90"},
    PatchEntry{"9C635", "C7 05 BC 8B 68 00 88 05 00 00 A3 C0 8B 68 00 0F BF 0D 26 1A 6C 00 50 A1 BC 8B 68 00 83 C1 0D 50 51 E8 35 61 FC FF A1 C0 8B 68 00 83 C4 0C 83 C0 18 3D 00 05 00 00"},
    PatchEntry{"9BAFE", "A0 05 00 00 0F 85 8C 00 00 00 83 3D 94 03 96 00 01 8B FF"},
    PatchEntry{"9BB40", "A0 05 00 00 7C CF 0F BF 0D 26 1A 6C 00 8D 04 7F 6A 00 C1 E0 03 83 C1 0B 50 51 E8 31 6C FC FF 83 C4 0C 8B FF 90"},
};

constexpr std::array table1600x900{
    jmp5600, jmp5632, jmp2C5BA,
    PatchEntry{"65415", "40 06 00 00 B9 84 03"},
    PatchEntry{"65620", "40 06 00 00 B9 84 03"},
    PatchEntry{"6955E", "40 06 00 00 75 0A 6A 1E 6A 3A 6A 3B 6A 18"},
    PatchEntry{"81A6E", "40 06 00 00 75 14 C7 05 34 6C 4C 00 9E 05"},
    PatchEntry{"81A84", "9E 05"},
    PatchEntry{"81A96", "40 06"},
    PatchEntry{"81B6D", "40 06"},
    PatchEntry{"826C2", "40 06"},
    PatchEntry{"9BAFE", "40 06"},
    mov85AE5, mov84205, mov842A1, jmp81B93,
    PatchEntry{"A4D7F", "E8 0C DA FB FF 83 C4 0C 0F BF 15 28 1A 6C 00 B9 9E 05 00 00 68 F5 02 00 00 83 C2 04 51 52 E8 EE D9 FB FF E9 F1 CD FD FF 90"},
    PatchEntry{"9C635", "C7 05 BC 8B 68 00 28 06 00 00 A3 C0 8B 68 00 0F BF 0D 26 1A 6C 00 50 A1 BC 8B 68 00 83 C1 0D 50 51 E8 35 61 FC FF A1 C0 8B 68 00 83 C4 0C 83 C0 18 3D 00 05 00 00"},
    PatchEntry{"9BAFE", "40 06 00 00 0F 85 8C 00 00 00 83 3D 94 03 96 00 01 8B FF"},
    PatchEntry{"9BB40", "40 06 00 00 7C CF 0F BF 0D 26 1A 6C 00 8D 04 7F 6A 00 C1 E0 03 83 C1 0B 50 51 E8 31 6C FC FF 83 C4 0C 8B FF 90"},
};

constexpr std::array table1680x1050{
    jmp5600, jmp5632, jmp2C5BA,
    PatchEntry{"65415", "90 06 00 00 B9 1A 04"},
    PatchEntry{"65620", "90 06 00 00 B9 1A 04"},
    PatchEntry{"6955E", "90 06 00 00 75 0A 6A 1E 6A 3A 6A 45 6A 19"},
    PatchEntry{"81A6E", "90 06 00 00 75 14 C7 05 34 6C 4C 00 DA 05"},
    PatchEntry{"81A84", "DA 05"},
    PatchEntry{"81A96", "90 06"},
    PatchEntry{"81B6D", "90 06"},
    PatchEntry{"826C2", "90 06"},
    PatchEntry{"9BAFE", "90 06"},
    mov85AE5, mov84205, mov842A1, jmp81B93,
    PatchEntry{"A4D7F", "E8 0C DA FB FF 83 C4 0C 0F BF 15 28 1A 6C 00 B9 DA 05 00 00 68 F5 02 00 00 83 C2 04 51 52 E8 EE D9 FB FF 83 C4 0C 0F BF 15 28 1A 6C 00 B9 CA 06 00 00 68 10 04 00 00 83 C2 04 51 52 E8 D0 D9 FB FF E9 D3 CD FD FF 90"},
    PatchEntry{"9C635", "C7 05 BC 8B 68 00 78 06 00 00 A3 C0 8B 68 00 0F BF 0D 26 1A 6C 00 50 A1 BC 8B 68 00 83 C1 0D 50 51 E8 35 61 FC FF A1 C0 8B 68 00 83 C4 0C 83 C0 18 3D 00 05 00 00"},
    PatchEntry{"9BAFE", "90 06 00 00 0F 85 8C 00 00 00 83 3D 94 03 96 00 01 8B FF"},
    PatchEntry{"9BB40", "90 06 00 00 7C CF 0F BF 0D 26 1A 6C 00 8D 04 7F 6A 00 C1 E0 03 83 C1 0B 50 51 E8 31 6C FC FF 83 C4 0C 8B FF 90"},
};

constexpr std::array table1920x1080{
    jmp5600, jmp5632, jmp2C5BA,
    PatchEntry{"65415", "80 07 00 00 B9 38 04"},
    PatchEntry{"65620", "80 07 00 00 B9 38 04"},
    PatchEntry{"6955E", "80 07 00 00 75 0A 6A 1E 6A 3A 6A 47 6A 1D"},
    PatchEntry{"81A6E", "80 07 00 00 75 14 C7 05 34 6C 4C 00 CA 06"},
    PatchEntry{"81A84", "CA 06"},
    PatchEntry{"81A96", "80 07"},
    PatchEntry{"81B6D", "80 07"},
    PatchEntry{"826C2", "80 07"},
    PatchEntry{"9BAFE", "80 07"},
    mov85AE5, mov84205, mov842A1, jmp81B93,
    PatchEntry{"A4D7F", "E8 0C DA FB FF 83 C4 0C 0F BF 15 28 1A 6C 00 B9 CA 06 00 00 68 F5 02 00 00 83 C2 04 51 52 E8 EE D9 FB FF 83 C4 0C 0F BF 15 28 1A 6C 00 B9 CA 06 00 00 68 10 04 00 00 83 C2 04 51 52 E8 D0 D9 FB FF E9 D3 CD FD FF 90"},
    PatchEntry{"9C635", "C7 05 BC 8B 68 00 68 07 00 00 A3 C0 8B 68 00 0F BF 0D 26 1A 6C 00 50 A1 BC 8B 68 00 83 C1 0D 50 51 E8 35 61 FC FF A1 C0 8B 68 00 83 C4 0C 83 C0 18 3D 00 05 00 00"},
    PatchEntry{"9BAFE", "80 07 00 00 0F 85 8C 00 00 00 83 3D 94 03 96 00 01 8B FF"},
    PatchEntry{"9BB40", "80 07 00 00 7C CF 0F BF 0D 26 1A 6C 00 8D 04 7F 6A 00 C1 E0 03 83 C1 0B 50 51 E8 31 6C FC FF 83 C4 0C 8B FF 90"},
};

}  // namespace

PatchTable patchTableFor(ResolutionItem item) {
    switch (item) {
        case 2: return table1280x768;
        case 3: return table1280x800;
        case 4: return table1280x960;
        case 6: return table1366x768;
        case 7: return table1440x900;
        case 8: return table1600x900;
        case 9: return table1680x1050;
        case 10: return table1920x1080;
        default: return {};
    }
}

}  // namespace c3ws
