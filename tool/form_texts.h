#pragma once

#include <array>

// The dialog's own texts in Shift_JIS; the form converts them when it builds its controls.
namespace morven::tool {

// "水平寸法の作図"
inline constexpr const char* kFormCaption = "\x90\x85\x95\xBD\x90\xA1\x96@\x82\xCC\x8D\xEC\x90}";
// "Morven－水平寸法の作図"
inline constexpr const char* kApplicationTitle =
    "Morven\x81|\x90\x85\x95\xBD\x90\xA1\x96@\x82\xCC\x8D\xEC\x90}";
// "ＭＳ ゴシック"
inline constexpr const char* kFormFontFamily = "\x82l\x82r \x83S\x83V\x83\x62\x83N";

inline constexpr const char* kStartMarkCaption = "\x8En\x93_";  // "始点"
inline constexpr const char* kEndMarkCaption = "\x8FI\x93_";    // "終点"
// "寸法値の文字種"
inline constexpr const char* kTextTypeCaption =
    "\x90\xA1\x96@\x92l\x82\xCC\x95\xB6\x8E\x9A\x8E\xED";
inline constexpr const char* kMarkScaleCaption = "\x92[\x93_\x94{\x97\xA6";        // "端点倍率"
inline constexpr const char* kPrefixCaption = "\x90\xDA\x93\xAA\x95\xB6\x8E\x9A";  // "接頭文字"
inline constexpr const char* kSuffixCaption = "\x90\xDA\x94\xF6\x95\xB6\x8E\x9A";  // "接尾文字"
// "寸法値と水平線との距離"
inline constexpr const char* kTextDistanceCaption =
    "\x90\xA1\x96@\x92l\x82\xC6\x90\x85\x95\xBD\x90\xFC\x82\xC6\x82\xCC\x8B\x97\x97\xA3";
// "計測点と寸法補助線の距離"
inline constexpr const char* kExtensionGapCaption =
    "\x8Cv\x91\xAA\x93_\x82\xC6\x90\xA1\x96@\x95\xE2\x8F\x95\x90\xFC\x82\xCC\x8B\x97\x97\xA3";
// "寸法補助線のはみ出し距離"
inline constexpr const char* kOvershootCaption =
    "\x90\xA1\x96@\x95\xE2\x8F\x95\x90\xFC\x82\xCC\x82\xCD\x82\xDD\x8Fo\x82\xB5\x8B\x97\x97\xA3";
inline constexpr const char* kPaperMillimetres = "\x90}\x90\xA1mm";  // "図寸mm"
inline constexpr const char* kOkCaption = "OK(&Y)";
// "キャンセル(&N)"
inline constexpr const char* kCancelCaption = "\x83L\x83\x83\x83\x93\x83Z\x83\x8B(&N)";

// The end marks in list order; the mark code is the position plus one. The first and the last
// look alike and give different codes.
inline constexpr std::array<const char*, 11> kEndMarks = {
    "\x81\xA2",  // △
    "\x81\xA0",  // □
    "\x82n",     // Ｏ
    "\x81\x9B",  // ○
    "\x81\xA1",  // ■
    "\x81\xA3",  // ▲
    "\x81\x9C",  // ●
    "\x81`",     // ～
    "\x81\x84",  // ＞
    "\x81^",     // ／
    "\x81\xA2",  // △
};

// The questions when the host's file fails, with Retry (the default) and Cancel: what failed,
// then why. "JWC_TEMP.TXT を読み込めませんでした。"
inline constexpr const char* kExchangeFileUnread =
    "JWC_TEMP.TXT "
    "\x82\xF0\x93\xC7\x82\xDD\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82\xBD\x81"
    "B";
// "結果を JWC_TEMP.TXT に書き込めませんでした。"
inline constexpr const char* kExchangeFileUnwritten =
    "\x8C\x8B\x89\xCA\x82\xF0 JWC_TEMP.TXT "
    "\x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82\xBD\x81"
    "B";
// Why, where the system did not tell more:
// "ほかのプログラムがこのファイルを使用している可能性があります。"
inline constexpr const char* kFileMayBeInUse =
    "\x82\xD9\x82\xA9\x82\xCC\x83v\x83\x8D\x83O\x83\x89\x83\x80\x82\xAA\x82\xB1\x82\xCC\x83t\x83"
    "@\x83"
    "C\x83\x8B\x82\xF0\x8Eg\x97p\x82\xB5\x82\xC4\x82\xA2\x82\xE9\x89\xC2\x94\x5C\x90\xAB\x82\xAA"
    "\x82\xA0\x82\xE8\x82\xDC\x82\xB7\x81"
    "B";
// Why, where the system told: "ほかのプログラムがこのファイルを使用しています。"
inline constexpr const char* kFileHeldByAnotherProgram =
    "\x82\xD9\x82\xA9\x82\xCC\x83v\x83\x8D\x83O\x83\x89\x83\x80\x82\xAA\x82\xB1\x82\xCC\x83t\x83@"
    "\x83"
    "C\x83\x8B\x82\xF0\x8Eg\x97p\x82\xB5\x82\xC4\x82\xA2\x82\xDC\x82\xB7\x81"
    "B";
// "このファイルにアクセスする権限がありません。"
inline constexpr const char* kFileNotPermitted =
    "\x82\xB1\x82\xCC\x83t\x83@\x83"
    "C\x83\x8B\x82\xC9\x83"
    "A\x83N\x83Z\x83X\x82\xB7\x82\xE9\x8C\xA0\x8C\xC0\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82"
    "\xF1\x81"
    "B";
// Where the file's folder is gone: "このファイルのフォルダーが見つかりません。"
inline constexpr const char* kFolderNotFound =
    "\x82\xB1\x82\xCC\x83t\x83@\x83"
    "C\x83\x8B\x82\xCC\x83t\x83H\x83\x8B\x83_\x81[\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC"
    "\x82\xB9\x82\xF1\x81"
    "B";
// "ディスクの空き領域が足りません。"
inline constexpr const char* kDiskFull =
    "\x83"
    "f\x83"
    "B\x83X\x83N\x82\xCC\x8B\xF3\x82\xAB\x97\xCC\x88\xE6\x82\xAA\x91\xAB\x82\xE8\x82\xDC\x82\xB9"
    "\x82\xF1\x81"
    "B";
// The Retry button's caption where the toolkit does not give one: "再試行(&R)"
inline constexpr const char* kRetryCaption = "\x8D\xC4\x8E\x8E\x8Ds(&R)";
inline constexpr const char* kBoxCancelCaption =
    "\x83L\x83\x83\x83\x93\x83Z\x83\x8B";  // "キャンセル"

}  // namespace morven::tool
