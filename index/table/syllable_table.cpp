#include "syllable_table.h"

namespace tovrik {
namespace {

// Within a row the syllables follow ASCII order, except that "lv" follows
// "lu", "nv" follows "nu" and "nve" follows "nuan".
constexpr std::string_view kA[] = {
    "a", "ai", "an", "ang", "ao",
};
constexpr std::string_view kB[] = {
    "ba", "bai", "ban", "bang", "bao", "bei", "ben", "beng", "bi", "bian", "biao", "bie", "bin",
    "bing", "bo", "bu",
};
constexpr std::string_view kC[] = {
    "ca", "cai", "can", "cang", "cao", "ce", "cen", "ceng", "cha", "chai", "chan", "chang", "chao",
    "che", "chen", "cheng", "chi", "chong", "chou", "chu", "chuai", "chuan", "chuang", "chui",
    "chun", "chuo", "ci", "cong", "cou", "cu", "cuan", "cui", "cun", "cuo",
};
constexpr std::string_view kD[] = {
    "da", "dai", "dan", "dang", "dao", "de", "deng", "di", "dia", "dian", "diao", "die", "ding",
    "diu", "dong", "dou", "du", "duan", "dui", "dun", "duo",
};
constexpr std::string_view kE[] = {
    "e", "ei", "en", "er",
};
constexpr std::string_view kF[] = {
    "fa", "fan", "fang", "fei", "fen", "feng", "fo", "fou", "fu",
};
constexpr std::string_view kG[] = {
    "ga", "gai", "gan", "gang", "gao", "ge", "gei", "gen", "geng", "gong", "gou", "gu", "gua",
    "guai", "guan", "guang", "gui", "gun", "guo",
};
constexpr std::string_view kH[] = {
    "ha", "hai", "han", "hang", "hao", "he", "hei", "hen", "heng", "hong", "hou", "hu", "hua",
    "huai", "huan", "huang", "hui", "hun", "huo",
};
constexpr std::string_view kJ[] = {
    "ji", "jia", "jian", "jiang", "jiao", "jie", "jin", "jing", "jiong", "jiu", "ju", "juan", "jue",
    "jun",
};
constexpr std::string_view kK[] = {
    "ka", "kai", "kan", "kang", "kao", "ke", "ken", "keng", "kong", "kou", "ku", "kua", "kuai",
    "kuan", "kuang", "kui", "kun", "kuo",
};
constexpr std::string_view kL[] = {
    "la", "lai", "lan", "lang", "lao", "le", "lei", "leng", "li", "lia", "lian", "liang", "liao",
    "lie", "lin", "ling", "liu", "long", "lou", "lu", "lv", "luan", "lue", "lun", "luo",
};
constexpr std::string_view kM[] = {
    "m", "ma", "mai", "man", "mang", "mao", "me", "mei", "men", "meng", "mi", "mian", "miao", "mie",
    "min", "ming", "miu", "mo", "mou", "mu",
};
constexpr std::string_view kN[] = {
    "n", "na", "nai", "nan", "nang", "nao", "ne", "nei", "nen", "neng", "ni", "nian", "niang",
    "niao", "nie", "nin", "ning", "niu", "nong", "nou", "nu", "nv", "nuan", "nve", "nuo",
};
constexpr std::string_view kO[] = {
    "o", "ou",
};
constexpr std::string_view kP[] = {
    "pa", "pai", "pan", "pang", "pao", "pei", "pen", "peng", "pi", "pian", "piao", "pie", "pin",
    "ping", "po", "pou", "pu",
};
constexpr std::string_view kQ[] = {
    "qi", "qia", "qian", "qiang", "qiao", "qie", "qin", "qing", "qiong", "qiu", "qu", "quan", "que",
    "qun",
};
constexpr std::string_view kR[] = {
    "ran", "rang", "rao", "re", "ren", "reng", "ri", "rong", "rou", "ru", "ruan", "rui", "run",
    "ruo",
};
constexpr std::string_view kS[] = {
    "sa", "sai", "san", "sang", "sao", "se", "sen", "seng", "sha", "shai", "shan", "shang", "shao",
    "she", "shen", "sheng", "shi", "shou", "shu", "shua", "shuai", "shuan", "shuang", "shui",
    "shun", "shuo", "si", "song", "sou", "su", "suan", "sui", "sun", "suo",
};
constexpr std::string_view kT[] = {
    "ta", "tai", "tan", "tang", "tao", "te", "teng", "ti", "tian", "tiao", "tie", "ting", "tong",
    "tou", "tu", "tuan", "tui", "tun", "tuo",
};
constexpr std::string_view kW[] = {
    "wa", "wai", "wan", "wang", "wei", "wen", "weng", "wo", "wu",
};
constexpr std::string_view kX[] = {
    "xi", "xia", "xian", "xiang", "xiao", "xie", "xin", "xing", "xiong", "xiu", "xu", "xuan", "xue",
    "xun",
};
constexpr std::string_view kY[] = {
    "ya", "yan", "yang", "yao", "ye", "yi", "yin", "ying", "yo", "yong", "you", "yu", "yuan", "yue",
    "yun",
};
constexpr std::string_view kZ[] = {
    "za", "zai", "zan", "zang", "zao", "ze", "zei", "zen", "zeng", "zha", "zhai", "zhan", "zhang",
    "zhao", "zhe", "zhen", "zheng", "zhi", "zhong", "zhou", "zhu", "zhua", "zhuai", "zhuan",
    "zhuang", "zhui", "zhun", "zhuo", "zi", "zong", "zou", "zu", "zuan", "zui", "zun", "zuo",
};

constexpr LetterRow kTable[] = {
    {"A", kA},
    {"B", kB},
    {"C", kC},
    {"D", kD},
    {"E", kE},
    {"F", kF},
    {"G", kG},
    {"H", kH},
    {"J", kJ},
    {"K", kK},
    {"L", kL},
    {"M", kM},
    {"N", kN},
    {"O", kO},
    {"P", kP},
    {"Q", kQ},
    {"R", kR},
    {"S", kS},
    {"T", kT},
    {"W", kW},
    {"X", kX},
    {"Y", kY},
    {"Z", kZ},
};

} // namespace

std::span<const LetterRow> syllableTable() { return kTable; }

std::span<const std::string_view> syllablesOf(std::string_view text)
{
    for (const LetterRow &row : kTable)
        if (row.letter == text)
            return row.syllables;
    return {};
}

std::vector<std::string_view> syllablesOnSlot(int slot)
{
    std::vector<std::string_view> out;
    if (slot < 1 || slot > kSlots)
        return out;
    for (const LetterRow &row : kTable)
        if (static_cast<int>(row.syllables.size()) >= slot)
            out.push_back(row.syllables[slot - 1]);
    return out;
}

} // namespace tovrik
