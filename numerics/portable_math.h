// Portable exp, log and pow: the same bits on every target that evaluates double
// arithmetic in IEEE binary64 with round-to-nearest and without fused multiply-add
// (x86-64, and 32-bit x86 with -msse2 -mfpmath=sse, both with -ffp-contract=off).
// The property code calls these instead of the C library's, whose results differ
// between platforms (and between CPUs of one platform) in the last bit. Compile with
// -ffp-contract=off (the top-level build does): a product contracted into a fused
// multiply-add would break the exact products and sums below, and change the bits.
//
// Method
//   log x: x = 2^k m with m within 1/256 of a centre 1 + j/128; r = m c_j - 1 is
//     formed exactly (c_j has 10 bits, m is split so both products are exact);
//     log x = k ln2 + log(1/c_j) + log1p(r), log1p by its Taylor series (to r^8; to r^9 for pow),
//     the leading sums carried as double-double.  For centres from sqrt 2 on, k is
//     raised by one and the table holds log(1/(2 c_j)), so no large terms cancel.
//   exp x: x = (128 e + j) ln2/128 + r, |r| <= ln2/256; exp x = 2^e 2^(j/128) (1 + p),
//     p = expm1(r) by its Taylor series to r^6, 2^(j/128) as double-double.
//   pow x^y: exp(y log x) with log x as double-double, y log x as double-double.
// Accuracy (tests/core/portable_math_test.cpp): below 0.52 ulp for every finite result,
// subnormal results of exp and pow included.
//
// Tables: computed with 113-bit arithmetic (log by the series 2 atanh((y-1)/(y+1)),
// 2^(j/128) by the exponential series); hi parts of log(1/c_j) and of ln2 are
// multiples of 2^-42 so that k ln2_hi + log(1/c_j)_hi is exact for every exponent k.
#pragma once

#include <array>
#include <bit>
#include <cfloat>
#include <cstddef>
#include <cstdint>
#include <limits>

static_assert(FLT_EVAL_METHOD == 0, "portable_math needs double arithmetic without excess precision (SSE2)");

namespace portable_math {
namespace detail {

struct LogEntry {
    double c;   // 1/(1 + j/128) to 10 bits (1 for j = 0)
    double hi;  // log(1/c) (j < 53) or log(1/(2c)) (j >= 53), a multiple of 2^-42
    double lo;  // the rest
};

// log table: index j of the centre 1 + j/128.
inline constexpr std::array<LogEntry, 128> kLogTable = {{
    {0x1p+0, 0x0p+0, -0x0p+0},                                 // j = 0
    {0x1.fcp-1, 0x1.010157588p-7, 0x1.bce251998b506p-44},      // j = 1
    {0x1.f8p-1, 0x1.020565893p-6, 0x1.611d27c8e8417p-44},      // j = 2
    {0x1.f48p-1, 0x1.74321d3dp-6, 0x1.b4a690fe94778p-48},      // j = 3
    {0x1.f08p-1, 0x1.f7a9b1678p-6, 0x1.42ad9271be7d7p-45},     // j = 4
    {0x1.edp-1, 0x1.35c8bfaa1p-5, 0x1.8357d5ef9eb35p-44},      // j = 5
    {0x1.e9p-1, 0x1.788595a358p-5, -0x1.08b0d083b3a4cp-46},    // j = 6
    {0x1.e58p-1, 0x1.b35dd9b588p-5, 0x1.d5674d6cf558ep-44},    // j = 7
    {0x1.e2p-1, 0x1.eea31c0068p-5, 0x1.c3dd83606d891p-44},     // j = 8
    {0x1.de8p-1, 0x1.152b799bb4p-4, -0x1.9bb2907030829p-47},   // j = 9
    {0x1.dbp-1, 0x1.333d7f8184p-4, -0x1.692b6a81b8848p-49},    // j = 10
    {0x1.d78p-1, 0x1.518874226p-4, 0x1.30a1d96258b3ep-44},     // j = 11
    {0x1.d4p-1, 0x1.700d30aeacp-4, 0x1.c1e8da99ded32p-49},     // j = 12
    {0x1.d1p-1, 0x1.8a6477a91cp-4, 0x1.c28c0af9bd6dfp-44},     // j = 13
    {0x1.cd8p-1, 0x1.a956d3ecacp-4, 0x1.e63794c02c4afp-44},    // j = 14
    {0x1.ca8p-1, 0x1.c40d6425a4p-4, 0x1.cb1121d1930ddp-44},    // j = 15
    {0x1.c7p-1, 0x1.e3707ee304p-4, 0x1.0f684e6766abdp-45},     // j = 16
    {0x1.c4p-1, 0x1.fe89139dbcp-4, 0x1.56594d82f7a82p-44},     // j = 17
    {0x1.c1p-1, 0x1.0ce7ecdcccp-3, 0x1.4652dabff5447p-46},     // j = 18
    {0x1.bep-1, 0x1.1aa2b7e24p-3, -0x1.1ac38dde3b366p-44},     // j = 19
    {0x1.bbp-1, 0x1.28753bc11ap-3, 0x1.7494e359302e6p-44},     // j = 20
    {0x1.b8p-1, 0x1.365fcb015ap-3, -0x1.fd3a0afb9691bp-44},    // j = 21
    {0x1.b5p-1, 0x1.4462b9dc9cp-3, -0x1.84858a711b062p-44},    // j = 22
    {0x1.b2p-1, 0x1.527e5e4a1cp-3, -0x1.4e60b8d4b411dp-44},    // j = 23
    {0x1.afp-1, 0x1.60b3100b0ap-3, -0x1.71456c988f814p-44},    // j = 24
    {0x1.ac8p-1, 0x1.6c9d07d204p-3, -0x1.c73fafd9b2dcap-50},   // j = 25
    {0x1.a98p-1, 0x1.7b00916516p-3, -0x1.ae75fcb067e57p-44},   // j = 26
    {0x1.a7p-1, 0x1.871213750ep-3, 0x1.328eb42f9af75p-44},     // j = 27
    {0x1.a4p-1, 0x1.95a5adcf7p-3, 0x1.7f22858a0ff6fp-47},      // j = 28
    {0x1.a18p-1, 0x1.a1dfc40f1cp-3, -0x1.01e0f004f3781p-44},   // j = 29
    {0x1.9fp-1, 0x1.ae2ca6f672p-3, 0x1.7a8d5ae54f55p-44},      // j = 30
    {0x1.9cp-1, 0x1.bd087383bep-3, -0x1.d4bc4595412b6p-45},    // j = 31
    {0x1.998p-1, 0x1.c97f8079d4p-3, 0x1.3b161a8c6e6c5p-45},    // j = 32
    {0x1.97p-1, 0x1.d60a17f904p-3, -0x1.5d6e06fc20d39p-44},    // j = 33
    {0x1.948p-1, 0x1.e2a877a6b2p-3, 0x1.823817787081ap-44},    // j = 34
    {0x1.92p-1, 0x1.ef5ade4ddp-3, -0x1.a211565bb8e11p-51},     // j = 35
    {0x1.8f8p-1, 0x1.fc218be62p-3, 0x1.4bba46f1cf6ap-44},      // j = 36
    {0x1.8dp-1, 0x1.047e60cde8p-2, 0x1.dbdf10d397f3cp-45},     // j = 37
    {0x1.8bp-1, 0x1.09aa572e6cp-2, 0x1.b50a1e1734342p-44},     // j = 38
    {0x1.888p-1, 0x1.102ac0a35dp-2, -0x1.f1fbddfdfd686p-45},   // j = 39
    {0x1.86p-1, 0x1.16b5ccbadp-2, -0x1.23299042d74bfp-44},     // j = 40
    {0x1.84p-1, 0x1.1bf99635a7p-2, -0x1.1ac89575c2125p-44},    // j = 41
    {0x1.818p-1, 0x1.22981fbef8p-2, -0x1.a1421609580dap-44},   // j = 42
    {0x1.7f8p-1, 0x1.27ebaf58d9p-2, -0x1.b198800b4bda7p-45},   // j = 43
    {0x1.7dp-1, 0x1.2e9e2bce12p-2, 0x1.4300c128d1dc2p-45},     // j = 44
    {0x1.7bp-1, 0x1.3401e12aedp-2, -0x1.17c73556e291dp-44},    // j = 45
    {0x1.788p-1, 0x1.3ac8ca38e6p-2, -0x1.d0befbc02be4ap-45},   // j = 46
    {0x1.768p-1, 0x1.403d086ceap-2, 0x1.e6ef574487308p-44},    // j = 47
    {0x1.748p-1, 0x1.45b8c0a17ep-2, -0x1.d9120e7d0a853p-47},   // j = 48
    {0x1.728p-1, 0x1.4b3c077268p-2, -0x1.65b4681052b9fp-46},   // j = 49
    {0x1.7p-1, 0x1.522ae0738ap-2, 0x1.ebe708164c759p-45},      // j = 50
    {0x1.6ep-1, 0x1.57bf753c8dp-2, 0x1.fadedee5d40efp-46},     // j = 51
    {0x1.6cp-1, 0x1.5d5bddf596p-2, -0x1.a0b2a08a465dcp-47},    // j = 52
    {0x1.6ap-1, -0x1.62c82f2b9cp-2, -0x1.e54bdbd7c8a98p-44},   // j = 53
    {0x1.68p-1, -0x1.5d1bdbf581p-2, 0x1.8d6bdc9c7c238p-44},    // j = 54
    {0x1.66p-1, -0x1.5767717456p-2, 0x1.64ead9524d7cap-44},    // j = 55
    {0x1.64p-1, -0x1.51aad872ep-2, 0x1.f4bd8db0a7cc1p-44},     // j = 56
    {0x1.62p-1, -0x1.4be5f95778p-2, 0x1.d7c92cd9ad824p-44},    // j = 57
    {0x1.608p-1, -0x1.478cd5959bp-2, -0x1.ec89bf0c8d098p-45},  // j = 58
    {0x1.5e8p-1, -0x1.41b941cce1p-2, 0x1.0469013e43fc9p-44},   // j = 59
    {0x1.5c8p-1, -0x1.3bdd24eb15p-2, 0x1.257b4970e6ed9p-44},   // j = 60
    {0x1.5bp-1, -0x1.3772662bfep-2, 0x1.e9436ac53b023p-44},    // j = 61
    {0x1.59p-1, -0x1.31871c9544p-2, -0x1.84fab94cecfd9p-46},   // j = 62
    {0x1.57p-1, -0x1.2b9303ab8ap-2, 0x1.6db12d6bfb0a5p-45},    // j = 63
    {0x1.558p-1, -0x1.27161913f8p-2, -0x1.4f4f1f61564b4p-44},  // j = 64
    {0x1.538p-1, -0x1.2112559861p-2, -0x1.82e78ba2950c4p-44},  // j = 65
    {0x1.52p-1, -0x1.1c898c169ap-2, 0x1.81410e5c62affp-44},    // j = 66
    {0x1.5p-1, -0x1.1675cababap-2, -0x1.8380e731f55c4p-44},    // j = 67
    {0x1.4e8p-1, -0x1.11e0e2dadap-2, 0x1.a47f88fcce5bap-45},   // j = 68
    {0x1.4c8p-1, -0x1.0bbccdb0d2p-2, -0x1.2f32ccc5dcdfbp-44},  // j = 69
    {0x1.4bp-1, -0x1.071b85fcd6p-2, 0x1.bcb8ba3e01a11p-44},    // j = 70
    {0x1.498p-1, -0x1.0274dc16c2p-2, -0x1.979e89cf835c2p-45},  // j = 71
    {0x1.478p-1, -0x1.f871b28956p-3, 0x1.f75fd6a526efep-44},   // j = 72
    {0x1.46p-1, -0x1.ef0adcbdc6p-3, 0x1.b26b79c86af24p-45},    // j = 73
    {0x1.448p-1, -0x1.e598ed5a88p-3, 0x1.d134bcf1e98a1p-47},   // j = 74
    {0x1.43p-1, -0x1.dc1bca0abep-3, -0x1.8fac1a628ccc6p-44},   // j = 75
    {0x1.418p-1, -0x1.d293581b6cp-3, 0x1.83270128aaa5fp-44},   // j = 76
    {0x1.3f8p-1, -0x1.c5cba543aep-3, -0x1.0929decb454fcp-45},  // j = 77
    {0x1.3ep-1, -0x1.bc286742d8p-3, -0x1.9ac53f39d121cp-44},   // j = 78
    {0x1.3c8p-1, -0x1.b2797ee464p-3, 0x1.be88a906d00a9p-44},   // j = 79
    {0x1.3bp-1, -0x1.a8becfc882p-3, -0x1.e3185cf21b9cfp-44},   // j = 80
    {0x1.398p-1, -0x1.9ef83d276ap-3, 0x1.730b7b3f9cep-45},     // j = 81
    {0x1.38p-1, -0x1.9525a9cf46p-3, 0x1.297137d9f158fp-44},    // j = 82
    {0x1.368p-1, -0x1.8b46f82236p-3, -0x1.2d9f2102dd7c9p-46},  // j = 83
    {0x1.35p-1, -0x1.815c0a1436p-3, 0x1.02a52f9201ce8p-44},    // j = 84
    {0x1.338p-1, -0x1.7764c128f2p-3, -0x1.274903479e3d1p-47},  // j = 85
    {0x1.32p-1, -0x1.6d60fe719ep-3, 0x1.bc6e557134767p-44},    // j = 86
    {0x1.31p-1, -0x1.66acd4272ap-3, -0x1.aa1bdbfc6c785p-44},   // j = 87
    {0x1.2f8p-1, -0x1.5c94007598p-3, 0x1.a8d948cd23322p-44},   // j = 88
    {0x1.2ep-1, -0x1.526e5e3a1cp-3, 0x1.790ba37fc5238p-44},    // j = 89
    {0x1.2c8p-1, -0x1.483bccce6ep-3, -0x1.eea52723f6369p-46},  // j = 90
    {0x1.2b8p-1, -0x1.41682bf728p-3, 0x1.10047081f849dp-45},   // j = 91
    {0x1.2ap-1, -0x1.371fc201e8p-3, -0x1.ee8779b2d8abcp-44},   // j = 92
    {0x1.288p-1, -0x1.2cca0f5f6p-3, 0x1.b5ef191aff12p-44},     // j = 93
    {0x1.27p-1, -0x1.2266f190a6p-3, 0x1.4d20ab840e7f6p-45},    // j = 94
    {0x1.26p-1, -0x1.1b72ad52f6p-3, -0x1.e80a41811a396p-45},   // j = 95
    {0x1.248p-1, -0x1.10f8e42254p-3, 0x1.93b3843396307p-45},   // j = 96
    {0x1.238p-1, -0x1.09f561ee72p-3, 0x1.8f3057157d1a8p-45},   // j = 97
    {0x1.22p-1, -0x1.fec9131dcp-4, 0x1.54555d1ae6607p-44},     // j = 98
    {0x1.208p-1, -0x1.e98b54967p-4, -0x1.4677489c50e97p-44},   // j = 99
    {0x1.1f8p-1, -0x1.db5270187cp-4, -0x1.9277856ae181fp-44},  // j = 100
    {0x1.1ep-1, -0x1.c5e548f5bcp-4, -0x1.d0c57585fbe06p-46},   // j = 101
    {0x1.1dp-1, -0x1.b78c82bb1p-4, 0x1.25ef7bc3987e7p-44},     // j = 102
    {0x1.1b8p-1, -0x1.a1ef1d806p-4, -0x1.cd4176df97bcbp-44},   // j = 103
    {0x1.1a8p-1, -0x1.9375e55594p-4, -0x1.eddc37380c364p-44},  // j = 104
    {0x1.198p-1, -0x1.84ef898e84p-4, 0x1.7d5cd246977c9p-44},   // j = 105
    {0x1.18p-1, -0x1.6f0d28ae58p-4, 0x1.4b4641b664613p-44},    // j = 106
    {0x1.17p-1, -0x1.60658a9374p-4, -0x1.0c3b1dee9c4f8p-44},   // j = 107
    {0x1.158p-1, -0x1.4a50d3aa1cp-4, 0x1.f7fe1308973e2p-45},   // j = 108
    {0x1.148p-1, -0x1.3b87598b1cp-4, 0x1.2241594aca313p-45},   // j = 109
    {0x1.138p-1, -0x1.2cb0283f5cp-4, -0x1.e1ee2ca657021p-44},  // j = 110
    {0x1.12p-1, -0x1.16536eea38p-4, 0x1.47c5e768fa309p-46},    // j = 111
    {0x1.11p-1, -0x1.075983599p-4, 0x1.b8ecfe4b59987p-44},     // j = 112
    {0x1.1p-1, -0x1.f0a30c0118p-5, 0x1.d599e83368e91p-45},     // j = 113
    {0x1.0fp-1, -0x1.d276b8adbp-5, -0x1.6a423c78a64bp-46},     // j = 114
    {0x1.0d8p-1, -0x1.a4fe9ffa4p-5, 0x1.6e584a0402925p-44},    // j = 115
    {0x1.0c8p-1, -0x1.868a83084p-5, 0x1.2623a134ac693p-46},    // j = 116
    {0x1.0b8p-1, -0x1.67f94f0948p-5, -0x1.ecc1f3e7e4ed7p-44},  // j = 117
    {0x1.0a8p-1, -0x1.494acc34d8p-5, -0x1.11c78a56fd247p-45},  // j = 118
    {0x1.098p-1, -0x1.2a7ec2215p-5, 0x1.78ce77a9163fep-45},    // j = 119
    {0x1.088p-1, -0x1.0b94f7c198p-5, 0x1.e89896f022783p-45},   // j = 120
    {0x1.07p-1, -0x1.b9fc027bp-6, 0x1.b9a010ae6922ap-44},      // j = 121
    {0x1.06p-1, -0x1.7b91b07d6p-6, 0x1.3b955b602ace4p-44},     // j = 122
    {0x1.05p-1, -0x1.3cea44347p-6, 0x1.6a2c432d6a40bp-44},     // j = 123
    {0x1.04p-1, -0x1.fc0a8b0fcp-7, -0x1.f1e7cf6d3a69cp-50},    // j = 124
    {0x1.03p-1, -0x1.7dc475f82p-7, 0x1.eb1245b5da1f5p-44},     // j = 125
    {0x1.02p-1, -0x1.fe02a6b1p-8, -0x1.9e23f0dda40e4p-46},     // j = 126
    {0x1.01p-1, -0x1.ff00aa2bp-9, -0x1.0bc04a086b56ap-45},     // j = 127
}};
static_assert(kLogTable.size() == 128);

struct Exp2Entry {
    double hi;  // 2^(j/128) rounded
    double lo;  // the rest
};

// 2^(j/128), j = 0..127.
inline constexpr std::array<Exp2Entry, 128> kExp2Table = {{
    {0x1p+0, 0x0p+0},                                // 2^(0/128)
    {0x1.0163da9fb3335p+0, 0x1.b61299ab8cdb7p-54},   // 2^(1/128)
    {0x1.02c9a3e778061p+0, -0x1.19083535b085ep-56},  // 2^(2/128)
    {0x1.04315e86e7f85p+0, -0x1.0a31c1977c96ep-54},  // 2^(3/128)
    {0x1.059b0d3158574p+0, 0x1.d73e2a475b465p-55},   // 2^(4/128)
    {0x1.0706b29ddf6dep+0, -0x1.c91dfe2b13c27p-55},  // 2^(5/128)
    {0x1.0874518759bc8p+0, 0x1.186be4bb284ffp-57},   // 2^(6/128)
    {0x1.09e3ecac6f383p+0, 0x1.1487818316136p-54},   // 2^(7/128)
    {0x1.0b5586cf9890fp+0, 0x1.8a62e4adc610bp-54},   // 2^(8/128)
    {0x1.0cc922b7247f7p+0, 0x1.01edc16e24f71p-54},   // 2^(9/128)
    {0x1.0e3ec32d3d1a2p+0, 0x1.03a1727c57b52p-59},   // 2^(10/128)
    {0x1.0fb66affed31bp+0, -0x1.b9bedc44ebd7bp-57},  // 2^(11/128)
    {0x1.11301d0125b51p+0, -0x1.6c51039449b3ap-54},  // 2^(12/128)
    {0x1.12abdc06c31ccp+0, -0x1.1b514b36ca5c7p-58},  // 2^(13/128)
    {0x1.1429aaea92dep+0, -0x1.32fbf9af1369ep-54},   // 2^(14/128)
    {0x1.15a98c8a58e51p+0, 0x1.2406ab9eeab0ap-55},   // 2^(15/128)
    {0x1.172b83c7d517bp+0, -0x1.19041b9d78a76p-55},  // 2^(16/128)
    {0x1.18af9388c8deap+0, -0x1.11023d1970f6cp-54},  // 2^(17/128)
    {0x1.1a35beb6fcb75p+0, 0x1.e5b4c7b4968e4p-55},   // 2^(18/128)
    {0x1.1bbe084045cd4p+0, -0x1.95386352ef607p-54},  // 2^(19/128)
    {0x1.1d4873168b9aap+0, 0x1.e016e00a2643cp-54},   // 2^(20/128)
    {0x1.1ed5022fcd91dp+0, -0x1.1df98027bb78cp-54},  // 2^(21/128)
    {0x1.2063b88628cd6p+0, 0x1.dc775814a8495p-55},   // 2^(22/128)
    {0x1.21f49917ddc96p+0, 0x1.2a97e9494a5eep-55},   // 2^(23/128)
    {0x1.2387a6e756238p+0, 0x1.9b07eb6c70573p-54},   // 2^(24/128)
    {0x1.251ce4fb2a63fp+0, 0x1.ac155bef4f4a4p-55},   // 2^(25/128)
    {0x1.26b4565e27cddp+0, 0x1.2bd339940e9d9p-55},   // 2^(26/128)
    {0x1.284dfe1f56381p+0, -0x1.a4c3a8c3f0d7ep-54},  // 2^(27/128)
    {0x1.29e9df51fdee1p+0, 0x1.612e8afad1255p-55},   // 2^(28/128)
    {0x1.2b87fd0dad99p+0, -0x1.10adcd6381aa4p-59},   // 2^(29/128)
    {0x1.2d285a6e4030bp+0, 0x1.0024754db41d5p-54},   // 2^(30/128)
    {0x1.2ecafa93e2f56p+0, 0x1.1ca0f45d52383p-56},   // 2^(31/128)
    {0x1.306fe0a31b715p+0, 0x1.6f46ad23182e4p-55},   // 2^(32/128)
    {0x1.32170fc4cd831p+0, 0x1.a9ce78e18047cp-55},   // 2^(33/128)
    {0x1.33c08b26416ffp+0, 0x1.32721843659a6p-54},   // 2^(34/128)
    {0x1.356c55f929ff1p+0, -0x1.b5cee5c4e4628p-55},  // 2^(35/128)
    {0x1.371a7373aa9cbp+0, -0x1.63aeabf42eae2p-54},  // 2^(36/128)
    {0x1.38cae6d05d866p+0, -0x1.e958d3c9904bdp-54},  // 2^(37/128)
    {0x1.3a7db34e59ff7p+0, -0x1.5e436d661f5e3p-56},  // 2^(38/128)
    {0x1.3c32dc313a8e5p+0, -0x1.efff8375d29c3p-54},  // 2^(39/128)
    {0x1.3dea64c123422p+0, 0x1.ada0911f09ebcp-55},   // 2^(40/128)
    {0x1.3fa4504ac801cp+0, -0x1.7d023f956f9f3p-54},  // 2^(41/128)
    {0x1.4160a21f72e2ap+0, -0x1.ef3691c309279p-58},  // 2^(42/128)
    {0x1.431f5d950a897p+0, -0x1.1c7dde35f7999p-55},  // 2^(43/128)
    {0x1.44e086061892dp+0, 0x1.89b7a04ef80cfp-59},   // 2^(44/128)
    {0x1.46a41ed1d0057p+0, 0x1.c944bd1648a76p-54},   // 2^(45/128)
    {0x1.486a2b5c13cdp+0, 0x1.3c1a3b69062fp-56},     // 2^(46/128)
    {0x1.4a32af0d7d3dep+0, 0x1.9cb62f3d1be56p-54},   // 2^(47/128)
    {0x1.4bfdad5362a27p+0, 0x1.d4397afec42e2p-56},   // 2^(48/128)
    {0x1.4dcb299fddd0dp+0, 0x1.8ecdbbc6a7833p-54},   // 2^(49/128)
    {0x1.4f9b2769d2ca7p+0, -0x1.4b309d25957e3p-54},  // 2^(50/128)
    {0x1.516daa2cf6642p+0, -0x1.f768569bd93efp-55},  // 2^(51/128)
    {0x1.5342b569d4f82p+0, -0x1.07abe1db13cadp-55},  // 2^(52/128)
    {0x1.551a4ca5d920fp+0, -0x1.d689cefede59bp-55},  // 2^(53/128)
    {0x1.56f4736b527dap+0, 0x1.9bb2c011d93adp-54},   // 2^(54/128)
    {0x1.58d12d497c7fdp+0, 0x1.295e15b9a1de8p-55},   // 2^(55/128)
    {0x1.5ab07dd485429p+0, 0x1.6324c054647adp-54},   // 2^(56/128)
    {0x1.5c9268a5946b7p+0, 0x1.c4b1b816986ap-60},    // 2^(57/128)
    {0x1.5e76f15ad2148p+0, 0x1.ba6f93080e65ep-54},   // 2^(58/128)
    {0x1.605e1b976dc09p+0, -0x1.3e2429b56de47p-54},  // 2^(59/128)
    {0x1.6247eb03a5585p+0, -0x1.383c17e40b497p-54},  // 2^(60/128)
    {0x1.6434634ccc32p+0, -0x1.c483c759d8933p-55},   // 2^(61/128)
    {0x1.6623882552225p+0, -0x1.bb60987591c34p-54},  // 2^(62/128)
    {0x1.68155d44ca973p+0, 0x1.038ae44f73e65p-57},   // 2^(63/128)
    {0x1.6a09e667f3bcdp+0, -0x1.bdd3413b26456p-54},  // 2^(64/128)
    {0x1.6c012750bdabfp+0, -0x1.2895667ff0b0dp-56},  // 2^(65/128)
    {0x1.6dfb23c651a2fp+0, -0x1.bbe3a683c88abp-57},  // 2^(66/128)
    {0x1.6ff7df9519484p+0, -0x1.83c0f25860ef6p-55},  // 2^(67/128)
    {0x1.71f75e8ec5f74p+0, -0x1.16e4786887a99p-55},  // 2^(68/128)
    {0x1.73f9a48a58174p+0, -0x1.0a8d96c65d53cp-54},  // 2^(69/128)
    {0x1.75feb564267c9p+0, -0x1.0245957316dd3p-54},  // 2^(70/128)
    {0x1.780694fde5d3fp+0, 0x1.866b80a02162dp-54},   // 2^(71/128)
    {0x1.7a11473eb0187p+0, -0x1.41577ee04992fp-55},  // 2^(72/128)
    {0x1.7c1ed0130c132p+0, 0x1.f124cd1164dd6p-54},   // 2^(73/128)
    {0x1.7e2f336cf4e62p+0, 0x1.05d02ba15797ep-56},   // 2^(74/128)
    {0x1.80427543e1a12p+0, -0x1.27c86626d972bp-54},  // 2^(75/128)
    {0x1.82589994cce13p+0, -0x1.d4c1dd41532d8p-54},  // 2^(76/128)
    {0x1.8471a4623c7adp+0, -0x1.8d684a341cdfbp-55},  // 2^(77/128)
    {0x1.868d99b4492edp+0, -0x1.fc6f89bd4f6bap-54},  // 2^(78/128)
    {0x1.88ac7d98a6699p+0, 0x1.994c2f37cb53ap-54},   // 2^(79/128)
    {0x1.8ace5422aa0dbp+0, 0x1.6e9f156864b27p-54},   // 2^(80/128)
    {0x1.8cf3216b5448cp+0, -0x1.0d55e32e9e3aap-56},  // 2^(81/128)
    {0x1.8f1ae99157736p+0, 0x1.5cc13a2e3976cp-55},   // 2^(82/128)
    {0x1.9145b0b91ffc6p+0, -0x1.dd6792e582524p-54},  // 2^(83/128)
    {0x1.93737b0cdc5e5p+0, -0x1.75fc781b57ebcp-57},  // 2^(84/128)
    {0x1.95a44cbc8520fp+0, -0x1.64b7c96a5f039p-56},  // 2^(85/128)
    {0x1.97d829fde4e5p+0, -0x1.d185b7c1b85d1p-54},   // 2^(86/128)
    {0x1.9a0f170ca07bap+0, -0x1.173bd91cee632p-54},  // 2^(87/128)
    {0x1.9c49182a3f09p+0, 0x1.c7c46b071f2bep-56},    // 2^(88/128)
    {0x1.9e86319e32323p+0, 0x1.824ca78e64c6ep-56},   // 2^(89/128)
    {0x1.a0c667b5de565p+0, -0x1.359495d1cd533p-54},  // 2^(90/128)
    {0x1.a309bec4a2d33p+0, 0x1.6305c7ddc36abp-54},   // 2^(91/128)
    {0x1.a5503b23e255dp+0, -0x1.d2f6edb8d41e1p-54},  // 2^(92/128)
    {0x1.a799e1330b358p+0, 0x1.bcb7ecac563c7p-54},   // 2^(93/128)
    {0x1.a9e6b5579fdbfp+0, 0x1.0fac90ef7fd31p-54},   // 2^(94/128)
    {0x1.ac36bbfd3f37ap+0, -0x1.f9234cae76cdp-55},   // 2^(95/128)
    {0x1.ae89f995ad3adp+0, 0x1.7a1cd345dcc81p-54},   // 2^(96/128)
    {0x1.b0e07298db666p+0, -0x1.bdef54c80e425p-54},  // 2^(97/128)
    {0x1.b33a2b84f15fbp+0, -0x1.2805e3084d708p-57},  // 2^(98/128)
    {0x1.b59728de5593ap+0, -0x1.c71dfbbba6de3p-54},  // 2^(99/128)
    {0x1.b7f76f2fb5e47p+0, -0x1.5584f7e54ac3bp-56},  // 2^(100/128)
    {0x1.ba5b030a1064ap+0, -0x1.efcd30e54292ep-54},  // 2^(101/128)
    {0x1.bcc1e904bc1d2p+0, 0x1.23dd07a2d9e84p-55},   // 2^(102/128)
    {0x1.bf2c25bd71e09p+0, -0x1.efdca3f6b9c73p-54},  // 2^(103/128)
    {0x1.c199bdd85529cp+0, 0x1.11065895048ddp-55},   // 2^(104/128)
    {0x1.c40ab5fffd07ap+0, 0x1.b4537e083c60ap-54},   // 2^(105/128)
    {0x1.c67f12e57d14bp+0, 0x1.2884dff483cadp-54},   // 2^(106/128)
    {0x1.c8f6d9406e7b5p+0, 0x1.1acbc48805c44p-56},   // 2^(107/128)
    {0x1.cb720dcef9069p+0, 0x1.503cbd1e949dbp-56},   // 2^(108/128)
    {0x1.cdf0b555dc3fap+0, -0x1.dd83b53829d72p-55},  // 2^(109/128)
    {0x1.d072d4a07897cp+0, -0x1.cbc3743797a9dp-54},  // 2^(110/128)
    {0x1.d2f87080d89f2p+0, -0x1.d487b719d8578p-54},  // 2^(111/128)
    {0x1.d5818dcfba487p+0, 0x1.2ed02d75b3707p-55},   // 2^(112/128)
    {0x1.d80e316c98398p+0, -0x1.11ec18beddfe8p-54},  // 2^(113/128)
    {0x1.da9e603db3285p+0, 0x1.c2300696db532p-54},   // 2^(114/128)
    {0x1.dd321f301b46p+0, 0x1.2da5778f018c3p-54},    // 2^(115/128)
    {0x1.dfc97337b9b5fp+0, -0x1.1a5cd4f184b5cp-54},  // 2^(116/128)
    {0x1.e264614f5a129p+0, -0x1.7b627817a1497p-54},  // 2^(117/128)
    {0x1.e502ee78b3ff6p+0, 0x1.39e8980a9cc8fp-55},   // 2^(118/128)
    {0x1.e7a51fbc74c83p+0, 0x1.2d522ca0c8de2p-54},   // 2^(119/128)
    {0x1.ea4afa2a490dap+0, -0x1.e9c23179c2893p-54},  // 2^(120/128)
    {0x1.ecf482d8e67f1p+0, -0x1.c93f3b411ad8cp-54},  // 2^(121/128)
    {0x1.efa1bee615a27p+0, 0x1.dc7f486a4b6bp-54},    // 2^(122/128)
    {0x1.f252b376bba97p+0, 0x1.3a1a5bf0d8e43p-54},   // 2^(123/128)
    {0x1.f50765b6e454p+0, 0x1.9d3e12dd8a18bp-54},    // 2^(124/128)
    {0x1.f7bfdad9cbe14p+0, -0x1.dbb12d006350ap-54},  // 2^(125/128)
    {0x1.fa7c1819e90d8p+0, 0x1.74853f3a5931ep-55},   // 2^(126/128)
    {0x1.fd3c22b8f71f1p+0, 0x1.2eb74966579e6p-57},   // 2^(127/128)
}};
static_assert(kExp2Table.size() == 128);

inline constexpr double kLn2Hi = 0x1.62e42fefa38p-1;       // ln 2, a multiple of 2^-42
inline constexpr double kLn2Lo = 0x1.ef35793c7673p-45;     // ln 2 - kLn2Hi
inline constexpr double kInvLn2N = 0x1.71547652b82fep+7;   // 128 / ln 2
inline constexpr double kLn2NHi = 0x1.62e42fefcp-8;        // ln 2 / 128, a multiple of 2^-42
inline constexpr double kLn2NLo = -0x1.c610ca86c3899p-44;  // ln 2 / 128 - kLn2NHi
inline constexpr double kRoundShift = 0x1.8p52;            // adding it rounds to an integer
inline constexpr int kLogSqrt2Index = 53;                  // 1 + 53/128 is the first centre >= sqrt 2
inline constexpr double kExpOverflow = 709.8;              // above: exp overflows
inline constexpr double kExpUnderflow = -746.0;            // below: exp rounds to zero
inline constexpr double kInf = std::numeric_limits<double>::infinity();
inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A value as an unevaluated sum hi + lo.
struct DoubleDouble {
    double hi;
    double lo;
};

inline std::uint64_t bitsOf(double x) noexcept { return std::bit_cast<std::uint64_t>(x); }
inline double fromBits(std::uint64_t b) noexcept { return std::bit_cast<double>(b); }

// a + b = hi + lo exactly, any magnitudes.
inline DoubleDouble twoSum(double a, double b) noexcept {
    const double s = a + b;
    const double bv = s - a;
    const double av = s - bv;
    return {s, (a - av) + (b - bv)};
}

// a * b = hi + lo exactly (|a|, |b| below 1e300), by halves of 26 bits.
inline DoubleDouble twoProduct(double a, double b) noexcept {
    constexpr double kSplitter = 134217729.0;  // 2^27 + 1
    const double p = a * b;
    const double ac = kSplitter * a;
    const double ah = ac - (ac - a);
    const double al = a - ah;
    const double bc = kSplitter * b;
    const double bh = bc - (bc - b);
    const double bl = b - bh;
    return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

// a * a = hi + lo exactly (|a| below 1e150), by one split into halves of 26 bits.
inline DoubleDouble twoSquare(double a) noexcept {
    constexpr double kSplitter = 134217729.0;  // 2^27 + 1
    const double p = a * a;
    const double ac = kSplitter * a;
    const double ah = ac - (ac - a);
    const double al = a - ah;
    return {p, ((ah * ah - p) + 2.0 * (ah * al)) + al * al};
}

// x = 2^k m, m near the centre 1 + j/128 of table entry e, m c - 1 = r + re exactly.
struct LogReduction {
    double k;
    const LogEntry* e;
    double r;
    double re;
};

// For finite x > 0 (normal or subnormal).
inline LogReduction reduceLog(double x) noexcept {
    std::uint64_t ix = bitsOf(x);
    int k = 0;
    if (ix < 0x0010000000000000ULL) {  // subnormal: scale into the normal range
        ix = bitsOf(x * 0x1p54);
        k = -54;
    }
    // Adding half an interval makes the top 7 fraction bits the nearest centre; a carry
    // into the exponent means m just below 1 with the centre 1 of the next binade.
    const std::uint64_t t = ix + (1ULL << 44);
    const int j = static_cast<int>((t >> 45) & 127);
    const std::uint64_t tExp = t & 0x7ff0000000000000ULL;
    k += static_cast<int>(tExp >> 52) - 1023 + (j >= kLogSqrt2Index ? 1 : 0);
    const double m = fromBits(ix - (tExp - 0x3ff0000000000000ULL));  // in [1 - 2^-8, 2 - 2^-8)
    const LogEntry& e = kLogTable[static_cast<std::size_t>(j)];
    // m = mh + ml with mh of 43 bits: mh c and ml c are exact, and so is mh c - 1.
    const double mh = fromBits(bitsOf(m) & ~0x3ffULL);
    const double ml = m - mh;
    const DoubleDouble r = twoSum(mh * e.c - 1.0, ml * e.c);
    return {static_cast<double>(k), &e, r.hi, r.lo};
}

// log x = hi + lo for finite x > 0, to about 2^-68 relative: the -r^2/2 term is carried
// as double-double too, as pow needs.
inline DoubleDouble logCore(double x) noexcept {
    const LogReduction d = reduceLog(x);
    const double head = d.k * kLn2Hi + d.e->hi;  // exact
    const DoubleDouble s1 = twoSum(head, d.r);
    const DoubleDouble sq = twoSquare(d.r);
    const DoubleDouble s2 = twoSum(s1.hi, -0.5 * sq.hi);
    const double r = d.r;
    const double r2 = r * r;
    // r^3 (1/3 - r/4 + r^2/5 - r^3/6 + r^4/7 - r^5/8 + r^6/9), in pairs.
    const double cube =
        r2 * r *
        ((1.0 / 3.0 - r * (1.0 / 4.0)) +
         r2 * ((1.0 / 5.0 - r * (1.0 / 6.0)) + r2 * ((1.0 / 7.0 - r * (1.0 / 8.0)) + r2 * (1.0 / 9.0))));
    const double lo = s1.lo + s2.lo + (d.re + (d.k * kLn2Lo + d.e->lo) + (cube - (0.5 * sq.lo + r * d.re)));
    return {s2.hi, lo};
}

// exp(zh + zl) for finite |zh| <= 746, |zl| <= ulp(zh).
inline double expCore(double zh, double zl) noexcept {
    const double kShifted = zh * kInvLn2N + kRoundShift;
    const double kd = kShifted - kRoundShift;
    const std::int64_t k = static_cast<std::int64_t>(bitsOf(kShifted)) - static_cast<std::int64_t>(bitsOf(kRoundShift));
    const double a = zh - kd * kLn2NHi;  // exact
    const DoubleDouble r = twoSum(a, zl - kd * kLn2NLo);
    const double rh = r.hi;
    const double r2 = rh * rh;
    // expm1(r) = r + r^2/2 + ... + r^6/720, in pairs.
    const double p =
        rh + (r.lo + r2 * ((0.5 + rh * (1.0 / 6.0)) + r2 * ((1.0 / 24.0 + rh * (1.0 / 120.0)) + r2 * (1.0 / 720.0))));
    const Exp2Entry& t = kExp2Table[static_cast<std::size_t>(k & 127)];
    const double tail = t.lo + (t.hi * p + t.lo * p);
    const std::int64_t e = k >> 7;  // floor(k / 128)
    if (e >= -1022 && e <= 1023) return (t.hi + tail) * fromBits(static_cast<std::uint64_t>(e + 1023) << 52);
    if (e > 1023) return ((t.hi + tail) * fromBits(static_cast<std::uint64_t>(e + 1022) << 52)) * 2.0;
    // Subnormal or zero result: in units of 2^-1022 the result is below 2, and 1 + result
    // rounds it once on the subnormal grid (its ulp 2^-52 is 2^-1074 in real units).
    const double scale = fromBits(static_cast<std::uint64_t>(e + 2045) << 52);  // 2^(e + 1022), e >= -1077
    const DoubleDouble biased = twoSum(1.0, t.hi * scale);                      // t.hi * scale exact
    const double sum = biased.hi + (biased.lo + tail * scale);
    return (sum - 1.0) * 0x1p-1022;
}

// 0: y is not an integer, 1: odd integer, 2: even integer (and +-inf).
inline int integerKind(double y) noexcept {
    const std::uint64_t iy = bitsOf(y);
    const int e = static_cast<int>((iy >> 52) & 0x7ff) - 1023;
    if (e < 0) return y == 0.0 ? 2 : 0;
    if (e > 52) return 2;
    const int shift = 52 - e;
    if ((iy & ((1ULL << shift) - 1)) != 0) return 0;
    return ((iy >> shift) & 1) != 0 ? 1 : 2;
}

}  // namespace detail

// e^x. NaN gives NaN; overflow +inf; underflow +0.
inline double exp(double x) noexcept {
    if (x != x) return x + x;
    if (x > detail::kExpOverflow) return detail::kInf;
    if (x < detail::kExpUnderflow) return 0.0;
    return detail::expCore(x, 0.0);
}

// Natural logarithm. log(+-0) = -inf, log(+inf) = +inf, negative or NaN give NaN.
inline double log(double x) noexcept {
    if (!(x > 0.0) || x == detail::kInf) {
        if (x != x) return x + x;
        if (x == 0.0) return -detail::kInf;
        if (x < 0.0) return detail::kNaN;
        return x;
    }
    // Rounded once at the end; -r^2/2 and the rest of log1p(r) are small against the head.
    const detail::LogReduction d = detail::reduceLog(x);
    const double head = d.k * detail::kLn2Hi + d.e->hi;  // exact
    const detail::DoubleDouble s = detail::twoSum(head, d.r);
    const double r = d.r;
    const double r2 = r * r;
    // log1p(r) - r = -r^2/2 + r^3/3 - ... - r^8/8, in pairs.
    const double tail =
        r2 * ((-0.5 + r * (1.0 / 3.0)) +
              r2 * ((-1.0 / 4.0 + r * (1.0 / 5.0)) + r2 * ((-1.0 / 6.0 + r * (1.0 / 7.0)) + r2 * (-1.0 / 8.0))));
    return s.hi + (s.lo + ((d.re + (d.k * detail::kLn2Lo + d.e->lo)) + tail));
}

// x^y with the special values of C's pow: pow(x, +-0) = 1, pow(1, y) = 1, pow(-1, +-inf) = 1,
// a negative finite x with a non-integer y gives NaN, a negative x with an odd integer y a
// negative result; zero and infinite x and y as IEEE 754 prescribes.
inline double pow(double x, double y) noexcept {
    if (y == 0.0 || x == 1.0) return 1.0;
    if (x != x || y != y) return x + y;
    bool negative = false;
    if ((detail::bitsOf(x) >> 63) != 0) {
        const int kind = detail::integerKind(y);
        if (kind == 0 && x != 0.0 && x != -detail::kInf) return detail::kNaN;
        negative = kind == 1;
        x = -x;
    }
    double result;
    if (y == detail::kInf || y == -detail::kInf) {
        if (x == 1.0) return 1.0;
        return (x < 1.0) == (y < 0.0) ? detail::kInf : 0.0;
    } else if (x == 0.0) {
        result = y < 0.0 ? detail::kInf : 0.0;
    } else if (x == detail::kInf) {
        result = y < 0.0 ? 0.0 : detail::kInf;
    } else {
        // |l.lo| is within an ulp of l.hi, so y l.hi and its error carry y log x without renormalising.
        const detail::DoubleDouble l = detail::logCore(x);
        const double zh = y * l.hi;
        if (zh > detail::kExpOverflow) {
            result = detail::kInf;
        } else if (zh < detail::kExpUnderflow) {
            result = 0.0;
        } else {
            const detail::DoubleDouble z = detail::twoProduct(y, l.hi);
            result = detail::expCore(z.hi, z.lo + y * l.lo);
        }
    }
    return negative ? -result : result;
}

}  // namespace portable_math
