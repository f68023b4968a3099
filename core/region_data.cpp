// GENERATED FILE - DO NOT EDIT.
// Written by scripts/generate_region_tables.py from data/regions-2009.tsv;
// to change a row, edit the TSV and run
//   python3 scripts/generate_region_tables.py data/regions-2009.tsv core/region_data.cpp
//
// Names are hex escapes of their GBK (code page 936) bytes, the UTF-8 text in
// the comment; each table's names in UTF-8 follow it in a parallel array.
// Every object is constexpr: constant-initialised read-only data that needs
// no code at start-up.

#include <cstddef>

#include "core/region_tables.h"

// A table's record count is its array's length, so the two cannot disagree.
template <typename Entry, std::size_t length>
static constexpr int recordCount(const Entry (&)[length]) {
    return static_cast<int>(length);
}

// 11 北京: 18 districts and counties
static constexpr MunicipalEntry beijingRecords[] = {
    {110101, "\xB6\xAB\xB3\xC7\xC7\xF8"},  // "东城区"
    {110102, "\xCE\xF7\xB3\xC7\xC7\xF8"},  // "西城区"
    {110103, "\xB3\xE7\xCE\xC4\xC7\xF8"},  // "崇文区"
    {110104, "\xD0\xFB\xCE\xE4\xC7\xF8"},  // "宣武区"
    {110105, "\xB3\xAF\xD1\xF4\xC7\xF8"},  // "朝阳区"
    {110106, "\xB7\xE1\xCC\xA8\xC7\xF8"},  // "丰台区"
    {110107, "\xCA\xAF\xBE\xB0\xC9\xBD\xC7\xF8"},  // "石景山区"
    {110108, "\xBA\xA3\xB5\xED\xC7\xF8"},  // "海淀区"
    {110109, "\xC3\xC5\xCD\xB7\xB9\xB5\xC7\xF8"},  // "门头沟区"
    {110111, "\xB7\xBF\xC9\xBD\xC7\xF8"},  // "房山区"
    {110112, "\xCD\xA8\xD6\xDD\xC7\xF8"},  // "通州区"
    {110113, "\xCB\xB3\xD2\xE5\xC7\xF8"},  // "顺义区"
    {110114, "\xB2\xFD\xC6\xBD\xC7\xF8"},  // "昌平区"
    {110115, "\xB4\xF3\xD0\xCB\xC7\xF8"},  // "大兴区"
    {110116, "\xBB\xB3\xC8\xE1\xC7\xF8"},  // "怀柔区"
    {110117, "\xC6\xBD\xB9\xC8\xC7\xF8"},  // "平谷区"
    {110228, "\xC3\xDC\xD4\xC6\xCF\xD8"},  // "密云县"
    {110229, "\xD1\xD3\xC7\xEC\xCF\xD8"},  // "延庆县"
};
static constexpr const char* const beijingNamesUtf8[] = {
    u8"东城区",
    u8"西城区",
    u8"崇文区",
    u8"宣武区",
    u8"朝阳区",
    u8"丰台区",
    u8"石景山区",
    u8"海淀区",
    u8"门头沟区",
    u8"房山区",
    u8"通州区",
    u8"顺义区",
    u8"昌平区",
    u8"大兴区",
    u8"怀柔区",
    u8"平谷区",
    u8"密云县",
    u8"延庆县",
};
static_assert(recordCount(beijingNamesUtf8) == recordCount(beijingRecords));
static constexpr MunicipalTable beijingTable = {beijingRecords, recordCount(beijingRecords), beijingNamesUtf8};

// 12 天津: 16 districts and counties
static constexpr MunicipalEntry tianjinRecords[] = {
    {120101, "\xBA\xCD\xC6\xBD\xC7\xF8"},  // "和平区"
    {120102, "\xBA\xD3\xB6\xAB\xC7\xF8"},  // "河东区"
    {120103, "\xBA\xD3\xCE\xF7\xC7\xF8"},  // "河西区"
    {120104, "\xC4\xCF\xBF\xAA\xC7\xF8"},  // "南开区"
    {120105, "\xBA\xD3\xB1\xB1\xC7\xF8"},  // "河北区"
    {120106, "\xBA\xEC\xC7\xC5\xC7\xF8"},  // "红桥区"
    {120110, "\xB6\xAB\xC0\xF6\xC7\xF8"},  // "东丽区"
    {120111, "\xCE\xF7\xC7\xE0\xC7\xF8"},  // "西青区"
    {120112, "\xBD\xF2\xC4\xCF\xC7\xF8"},  // "津南区"
    {120113, "\xB1\xB1\xB3\xBD\xC7\xF8"},  // "北辰区"
    {120114, "\xCE\xE4\xC7\xE5\xC7\xF8"},  // "武清区"
    {120115, "\xB1\xA6\xDB\xE6\xC7\xF8"},  // "宝坻区"
    {120116, "\xB1\xF5\xBA\xA3\xD0\xC2\xC7\xF8"},  // "滨海新区"
    {120221, "\xC4\xFE\xBA\xD3\xCF\xD8"},  // "宁河县"
    {120223, "\xBE\xB2\xBA\xA3\xCF\xD8"},  // "静海县"
    {120225, "\xBC\xBB\xA1\xA1\xCF\xD8"},  // "蓟　县"
};
static constexpr const char* const tianjinNamesUtf8[] = {
    u8"和平区",
    u8"河东区",
    u8"河西区",
    u8"南开区",
    u8"河北区",
    u8"红桥区",
    u8"东丽区",
    u8"西青区",
    u8"津南区",
    u8"北辰区",
    u8"武清区",
    u8"宝坻区",
    u8"滨海新区",
    u8"宁河县",
    u8"静海县",
    u8"蓟　县",
};
static_assert(recordCount(tianjinNamesUtf8) == recordCount(tianjinRecords));
static constexpr MunicipalTable tianjinTable = {tianjinRecords, recordCount(tianjinRecords), tianjinNamesUtf8};

// 31 上海: 18 districts and counties
static constexpr MunicipalEntry shanghaiRecords[] = {
    {310101, "\xBB\xC6\xC6\xD6\xC7\xF8"},  // "黄浦区"
    {310103, "\xC2\xAC\xCD\xE5\xC7\xF8"},  // "卢湾区"
    {310104, "\xD0\xEC\xBB\xE3\xC7\xF8"},  // "徐汇区"
    {310105, "\xB3\xA4\xC4\xFE\xC7\xF8"},  // "长宁区"
    {310106, "\xBE\xB2\xB0\xB2\xC7\xF8"},  // "静安区"
    {310107, "\xC6\xD5\xCD\xD3\xC7\xF8"},  // "普陀区"
    {310108, "\xD5\xA2\xB1\xB1\xC7\xF8"},  // "闸北区"
    {310109, "\xBA\xE7\xBF\xDA\xC7\xF8"},  // "虹口区"
    {310110, "\xD1\xEE\xC6\xD6\xC7\xF8"},  // "杨浦区"
    {310112, "\xE3\xC9\xD0\xD0\xC7\xF8"},  // "闵行区"
    {310113, "\xB1\xA6\xC9\xBD\xC7\xF8"},  // "宝山区"
    {310114, "\xBC\xCE\xB6\xA8\xC7\xF8"},  // "嘉定区"
    {310115, "\xC6\xD6\xB6\xAB\xD0\xC2\xC7\xF8"},  // "浦东新区"
    {310116, "\xBD\xF0\xC9\xBD\xC7\xF8"},  // "金山区"
    {310117, "\xCB\xC9\xBD\xAD\xC7\xF8"},  // "松江区"
    {310118, "\xC7\xE0\xC6\xD6\xC7\xF8"},  // "青浦区"
    {310120, "\xB7\xEE\xCF\xCD\xC7\xF8"},  // "奉贤区"
    {310230, "\xB3\xE7\xC3\xF7\xCF\xD8"},  // "崇明县"
};
static constexpr const char* const shanghaiNamesUtf8[] = {
    u8"黄浦区",
    u8"卢湾区",
    u8"徐汇区",
    u8"长宁区",
    u8"静安区",
    u8"普陀区",
    u8"闸北区",
    u8"虹口区",
    u8"杨浦区",
    u8"闵行区",
    u8"宝山区",
    u8"嘉定区",
    u8"浦东新区",
    u8"金山区",
    u8"松江区",
    u8"青浦区",
    u8"奉贤区",
    u8"崇明县",
};
static_assert(recordCount(shanghaiNamesUtf8) == recordCount(shanghaiRecords));
static constexpr MunicipalTable shanghaiTable = {shanghaiRecords, recordCount(shanghaiRecords), shanghaiNamesUtf8};

// 50 重庆: 40 districts and counties
static constexpr MunicipalEntry chongqingRecords[] = {
    {500101, "\xCD\xF2\xD6\xDD\xC7\xF8"},  // "万州区"
    {500102, "\xB8\xA2\xC1\xEA\xC7\xF8"},  // "涪陵区"
    {500103, "\xD3\xE5\xD6\xD0\xC7\xF8"},  // "渝中区"
    {500104, "\xB4\xF3\xB6\xC9\xBF\xDA\xC7\xF8"},  // "大渡口区"
    {500105, "\xBD\xAD\xB1\xB1\xC7\xF8"},  // "江北区"
    {500106, "\xC9\xB3\xC6\xBA\xB0\xD3\xC7\xF8"},  // "沙坪坝区"
    {500107, "\xBE\xC5\xC1\xFA\xC6\xC2\xC7\xF8"},  // "九龙坡区"
    {500108, "\xC4\xCF\xB0\xB6\xC7\xF8"},  // "南岸区"
    {500109, "\xB1\xB1\xED\xD5\xC7\xF8"},  // "北碚区"
    {500110, "\xCD\xF2\xCA\xA2\xC7\xF8"},  // "万盛区"
    {500111, "\xCB\xAB\xC7\xC5\xC7\xF8"},  // "双桥区"
    {500112, "\xD3\xE5\xB1\xB1\xC7\xF8"},  // "渝北区"
    {500113, "\xB0\xCD\xC4\xCF\xC7\xF8"},  // "巴南区"
    {500114, "\xC7\xAD\xBD\xAD\xC7\xF8"},  // "黔江区"
    {500115, "\xB3\xA4\xCA\xD9\xC7\xF8"},  // "长寿区"
    {500116, "\xBD\xAD\xBD\xF2\xC7\xF8"},  // "江津区"
    {500117, "\xBA\xCF\xB4\xA8\xC7\xF8"},  // "合川区"
    {500118, "\xD3\xC0\xB4\xA8\xC7\xF8"},  // "永川区"
    {500119, "\xC4\xCF\xB4\xA8\xC7\xF8"},  // "南川区"
    {500222, "\xF4\xEB\xBD\xAD\xCF\xD8"},  // "綦江县"
    {500223, "\xE4\xFC\xC4\xCF\xCF\xD8"},  // "潼南县"
    {500224, "\xCD\xAD\xC1\xBA\xCF\xD8"},  // "铜梁县"
    {500225, "\xB4\xF3\xD7\xE3\xCF\xD8"},  // "大足县"
    {500226, "\xC8\xD9\xB2\xFD\xCF\xD8"},  // "荣昌县"
    {500227, "\xE8\xB5\xC9\xBD\xCF\xD8"},  // "璧山县"
    {500228, "\xC1\xBA\xC6\xBD\xCF\xD8"},  // "梁平县"
    {500229, "\xB3\xC7\xBF\xDA\xCF\xD8"},  // "城口县"
    {500230, "\xB7\xE1\xB6\xBC\xCF\xD8"},  // "丰都县"
    {500231, "\xB5\xE6\xBD\xAD\xCF\xD8"},  // "垫江县"
    {500232, "\xCE\xE4\xC2\xA1\xCF\xD8"},  // "武隆县"
    {500233, "\xD6\xD2\xCF\xD8"},  // "忠县"
    {500234, "\xBF\xAA\xCF\xD8"},  // "开县"
    {500235, "\xD4\xC6\xD1\xF4\xCF\xD8"},  // "云阳县"
    {500236, "\xB7\xEE\xBD\xDA\xCF\xD8"},  // "奉节县"
    {500237, "\xCE\xD7\xC9\xBD\xCF\xD8"},  // "巫山县"
    {500238, "\xCE\xD7\xCF\xAA\xCF\xD8"},  // "巫溪县"
    {500240, "\xCA\xAF\xD6\xF9\xCD\xC1\xBC\xD2\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "石柱土家族自治县"
    {500241, "\xD0\xE3\xC9\xBD\xCD\xC1\xBC\xD2\xD7\xE5\xC3\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "秀山土家族苗族自治县"
    {500242, "\xD3\xCF\xD1\xF4\xCD\xC1\xBC\xD2\xD7\xE5\xC3\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "酉阳土家族苗族自治县"
    {500243, "\xC5\xED\xCB\xAE\xC3\xE7\xD7\xE5\xCD\xC1\xBC\xD2\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "彭水苗族土家族自治县"
};
static constexpr const char* const chongqingNamesUtf8[] = {
    u8"万州区",
    u8"涪陵区",
    u8"渝中区",
    u8"大渡口区",
    u8"江北区",
    u8"沙坪坝区",
    u8"九龙坡区",
    u8"南岸区",
    u8"北碚区",
    u8"万盛区",
    u8"双桥区",
    u8"渝北区",
    u8"巴南区",
    u8"黔江区",
    u8"长寿区",
    u8"江津区",
    u8"合川区",
    u8"永川区",
    u8"南川区",
    u8"綦江县",
    u8"潼南县",
    u8"铜梁县",
    u8"大足县",
    u8"荣昌县",
    u8"璧山县",
    u8"梁平县",
    u8"城口县",
    u8"丰都县",
    u8"垫江县",
    u8"武隆县",
    u8"忠县",
    u8"开县",
    u8"云阳县",
    u8"奉节县",
    u8"巫山县",
    u8"巫溪县",
    u8"石柱土家族自治县",
    u8"秀山土家族苗族自治县",
    u8"酉阳土家族苗族自治县",
    u8"彭水苗族土家族自治县",
};
static_assert(recordCount(chongqingNamesUtf8) == recordCount(chongqingRecords));
static constexpr MunicipalTable chongqingTable = {chongqingRecords, recordCount(chongqingRecords), chongqingNamesUtf8};

// 13 河北省: 194 records, 11 city-level
static constexpr DivisionEntry hebeiRecords[] = {
    {130100, "\xCA\xAF\xBC\xD2\xD7\xAF\xCA\xD0"},  // "石家庄市"
    {130101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {130102, "\xB3\xA4\xB0\xB2\xC7\xF8"},  // "长安区"
    {130103, "\xC7\xC5\xB6\xAB\xC7\xF8"},  // "桥东区"
    {130104, "\xC7\xC5\xCE\xF7\xC7\xF8"},  // "桥西区"
    {130105, "\xD0\xC2\xBB\xAA\xC7\xF8"},  // "新华区"
    {130107, "\xBE\xAE\xDA\xEA\xBF\xF3\xC7\xF8"},  // "井陉矿区"
    {130108, "\xD4\xA3\xBB\xAA\xC7\xF8"},  // "裕华区"
    {130121, "\xBE\xAE\xDA\xEA\xCF\xD8"},  // "井陉县"
    {130123, "\xD5\xFD\xB6\xA8\xCF\xD8"},  // "正定县"
    {130124, "\xE8\xEF\xB3\xC7\xCF\xD8"},  // "栾城县"
    {130125, "\xD0\xD0\xCC\xC6\xCF\xD8"},  // "行唐县"
    {130126, "\xC1\xE9\xCA\xD9\xCF\xD8"},  // "灵寿县"
    {130127, "\xB8\xDF\xD2\xD8\xCF\xD8"},  // "高邑县"
    {130128, "\xC9\xEE\xD4\xF3\xCF\xD8"},  // "深泽县"
    {130129, "\xD4\xDE\xBB\xCA\xCF\xD8"},  // "赞皇县"
    {130130, "\xCE\xDE\xBC\xAB\xCF\xD8"},  // "无极县"
    {130131, "\xC6\xBD\xC9\xBD\xCF\xD8"},  // "平山县"
    {130132, "\xD4\xAA\xCA\xCF\xCF\xD8"},  // "元氏县"
    {130133, "\xD5\xD4\xCF\xD8"},  // "赵县"
    {130181, "\xD0\xC1\xBC\xAF\xCA\xD0"},  // "辛集市"
    {130182, "\xDE\xBB\xB3\xC7\xCA\xD0"},  // "藁城市"
    {130183, "\xBD\xFA\xD6\xDD\xCA\xD0"},  // "晋州市"
    {130184, "\xD0\xC2\xC0\xD6\xCA\xD0"},  // "新乐市"
    {130185, "\xC2\xB9\xC8\xAA\xCA\xD0"},  // "鹿泉市"
    {130200, "\xCC\xC6\xC9\xBD\xCA\xD0"},  // "唐山市"
    {130201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {130202, "\xC2\xB7\xC4\xCF\xC7\xF8"},  // "路南区"
    {130203, "\xC2\xB7\xB1\xB1\xC7\xF8"},  // "路北区"
    {130204, "\xB9\xC5\xD2\xB1\xC7\xF8"},  // "古冶区"
    {130205, "\xBF\xAA\xC6\xBD\xC7\xF8"},  // "开平区"
    {130207, "\xB7\xE1\xC4\xCF\xC7\xF8"},  // "丰南区"
    {130208, "\xB7\xE1\xC8\xF3\xC7\xF8"},  // "丰润区"
    {130223, "\xC2\xD0\xCF\xD8"},  // "滦县"
    {130224, "\xC2\xD0\xC4\xCF\xCF\xD8"},  // "滦南县"
    {130225, "\xC0\xD6\xCD\xA4\xCF\xD8"},  // "乐亭县"
    {130227, "\xC7\xA8\xCE\xF7\xCF\xD8"},  // "迁西县"
    {130229, "\xD3\xF1\xCC\xEF\xCF\xD8"},  // "玉田县"
    {130230, "\xCC\xC6\xBA\xA3\xCF\xD8"},  // "唐海县"
    {130281, "\xD7\xF1\xBB\xAF\xCA\xD0"},  // "遵化市"
    {130283, "\xC7\xA8\xB0\xB2\xCA\xD0"},  // "迁安市"
    {130300, "\xC7\xD8\xBB\xCA\xB5\xBA\xCA\xD0"},  // "秦皇岛市"
    {130301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {130302, "\xBA\xA3\xB8\xDB\xC7\xF8"},  // "海港区"
    {130303, "\xC9\xBD\xBA\xA3\xB9\xD8\xC7\xF8"},  // "山海关区"
    {130304, "\xB1\xB1\xB4\xF7\xBA\xD3\xC7\xF8"},  // "北戴河区"
    {130321, "\xC7\xE0\xC1\xFA\xC2\xFA\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "青龙满族自治县"
    {130322, "\xB2\xFD\xC0\xE8\xCF\xD8"},  // "昌黎县"
    {130323, "\xB8\xA7\xC4\xFE\xCF\xD8"},  // "抚宁县"
    {130324, "\xC2\xAC\xC1\xFA\xCF\xD8"},  // "卢龙县"
    {130400, "\xBA\xAA\xB5\xA6\xCA\xD0"},  // "邯郸市"
    {130401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {130402, "\xBA\xAA\xC9\xBD\xC7\xF8"},  // "邯山区"
    {130403, "\xB4\xD4\xCC\xA8\xC7\xF8"},  // "丛台区"
    {130404, "\xB8\xB4\xD0\xCB\xC7\xF8"},  // "复兴区"
    {130406, "\xB7\xE5\xB7\xE5\xBF\xF3\xC7\xF8"},  // "峰峰矿区"
    {130421, "\xBA\xAA\xB5\xA6\xCF\xD8"},  // "邯郸县"
    {130423, "\xC1\xD9\xD5\xC4\xCF\xD8"},  // "临漳县"
    {130424, "\xB3\xC9\xB0\xB2\xCF\xD8"},  // "成安县"
    {130425, "\xB4\xF3\xC3\xFB\xCF\xD8"},  // "大名县"
    {130426, "\xC9\xE6\xCF\xD8"},  // "涉县"
    {130427, "\xB4\xC5\xCF\xD8"},  // "磁县"
    {130428, "\xB7\xCA\xCF\xE7\xCF\xD8"},  // "肥乡县"
    {130429, "\xD3\xC0\xC4\xEA\xCF\xD8"},  // "永年县"
    {130430, "\xC7\xF1\xCF\xD8"},  // "邱县"
    {130431, "\xBC\xA6\xD4\xF3\xCF\xD8"},  // "鸡泽县"
    {130432, "\xB9\xE3\xC6\xBD\xCF\xD8"},  // "广平县"
    {130433, "\xB9\xDD\xCC\xD5\xCF\xD8"},  // "馆陶县"
    {130434, "\xCE\xBA\xCF\xD8"},  // "魏县"
    {130435, "\xC7\xFA\xD6\xDC\xCF\xD8"},  // "曲周县"
    {130481, "\xCE\xE4\xB0\xB2\xCA\xD0"},  // "武安市"
    {130500, "\xD0\xCF\xCC\xA8\xCA\xD0"},  // "邢台市"
    {130501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {130502, "\xC7\xC5\xB6\xAB\xC7\xF8"},  // "桥东区"
    {130503, "\xC7\xC5\xCE\xF7\xC7\xF8"},  // "桥西区"
    {130521, "\xD0\xCF\xCC\xA8\xCF\xD8"},  // "邢台县"
    {130522, "\xC1\xD9\xB3\xC7\xCF\xD8"},  // "临城县"
    {130523, "\xC4\xDA\xC7\xF0\xCF\xD8"},  // "内丘县"
    {130524, "\xB0\xD8\xCF\xE7\xCF\xD8"},  // "柏乡县"
    {130525, "\xC2\xA1\xD2\xA2\xCF\xD8"},  // "隆尧县"
    {130526, "\xC8\xCE\xCF\xD8"},  // "任县"
    {130527, "\xC4\xCF\xBA\xCD\xCF\xD8"},  // "南和县"
    {130528, "\xC4\xFE\xBD\xFA\xCF\xD8"},  // "宁晋县"
    {130529, "\xBE\xDE\xC2\xB9\xCF\xD8"},  // "巨鹿县"
    {130530, "\xD0\xC2\xBA\xD3\xCF\xD8"},  // "新河县"
    {130531, "\xB9\xE3\xD7\xDA\xCF\xD8"},  // "广宗县"
    {130532, "\xC6\xBD\xCF\xE7\xCF\xD8"},  // "平乡县"
    {130533, "\xCD\xFE\xCF\xD8"},  // "威县"
    {130534, "\xC7\xE5\xBA\xD3\xCF\xD8"},  // "清河县"
    {130535, "\xC1\xD9\xCE\xF7\xCF\xD8"},  // "临西县"
    {130581, "\xC4\xCF\xB9\xAC\xCA\xD0"},  // "南宫市"
    {130582, "\xC9\xB3\xBA\xD3\xCA\xD0"},  // "沙河市"
    {130600, "\xB1\xA3\xB6\xA8\xCA\xD0"},  // "保定市"
    {130601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {130602, "\xD0\xC2\xCA\xD0\xC7\xF8"},  // "新市区"
    {130603, "\xB1\xB1\xCA\xD0\xC7\xF8"},  // "北市区"
    {130604, "\xC4\xCF\xCA\xD0\xC7\xF8"},  // "南市区"
    {130621, "\xC2\xFA\xB3\xC7\xCF\xD8"},  // "满城县"
    {130622, "\xC7\xE5\xD4\xB7\xCF\xD8"},  // "清苑县"
    {130623, "\xE4\xB5\xCB\xAE\xCF\xD8"},  // "涞水县"
    {130624, "\xB8\xB7\xC6\xBD\xCF\xD8"},  // "阜平县"
    {130625, "\xD0\xEC\xCB\xAE\xCF\xD8"},  // "徐水县"
    {130626, "\xB6\xA8\xD0\xCB\xCF\xD8"},  // "定兴县"
    {130627, "\xCC\xC6\xCF\xD8"},  // "唐县"
    {130628, "\xB8\xDF\xD1\xF4\xCF\xD8"},  // "高阳县"
    {130629, "\xC8\xDD\xB3\xC7\xCF\xD8"},  // "容城县"
    {130630, "\xE4\xB5\xD4\xB4\xCF\xD8"},  // "涞源县"
    {130631, "\xCD\xFB\xB6\xBC\xCF\xD8"},  // "望都县"
    {130632, "\xB0\xB2\xD0\xC2\xCF\xD8"},  // "安新县"
    {130633, "\xD2\xD7\xCF\xD8"},  // "易县"
    {130634, "\xC7\xFA\xD1\xF4\xCF\xD8"},  // "曲阳县"
    {130635, "\xF3\xBB\xCF\xD8"},  // "蠡县"
    {130636, "\xCB\xB3\xC6\xBD\xCF\xD8"},  // "顺平县"
    {130637, "\xB2\xA9\xD2\xB0\xCF\xD8"},  // "博野县"
    {130638, "\xD0\xDB\xCF\xD8"},  // "雄县"
    {130681, "\xE4\xC3\xD6\xDD\xCA\xD0"},  // "涿州市"
    {130682, "\xB6\xA8\xD6\xDD\xCA\xD0"},  // "定州市"
    {130683, "\xB0\xB2\xB9\xFA\xCA\xD0"},  // "安国市"
    {130684, "\xB8\xDF\xB1\xAE\xB5\xEA\xCA\xD0"},  // "高碑店市"
    {130700, "\xD5\xC5\xBC\xD2\xBF\xDA\xCA\xD0"},  // "张家口市"
    {130701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {130702, "\xC7\xC5\xB6\xAB\xC7\xF8"},  // "桥东区"
    {130703, "\xC7\xC5\xCE\xF7\xC7\xF8"},  // "桥西区"
    {130705, "\xD0\xFB\xBB\xAF\xC7\xF8"},  // "宣化区"
    {130706, "\xCF\xC2\xBB\xA8\xD4\xB0\xC7\xF8"},  // "下花园区"
    {130721, "\xD0\xFB\xBB\xAF\xCF\xD8"},  // "宣化县"
    {130722, "\xD5\xC5\xB1\xB1\xCF\xD8"},  // "张北县"
    {130723, "\xBF\xB5\xB1\xA3\xCF\xD8"},  // "康保县"
    {130724, "\xB9\xC1\xD4\xB4\xCF\xD8"},  // "沽源县"
    {130725, "\xC9\xD0\xD2\xE5\xCF\xD8"},  // "尚义县"
    {130726, "\xCE\xB5\xCF\xD8"},  // "蔚县"
    {130727, "\xD1\xF4\xD4\xAD\xCF\xD8"},  // "阳原县"
    {130728, "\xBB\xB3\xB0\xB2\xCF\xD8"},  // "怀安县"
    {130729, "\xCD\xF2\xC8\xAB\xCF\xD8"},  // "万全县"
    {130730, "\xBB\xB3\xC0\xB4\xCF\xD8"},  // "怀来县"
    {130731, "\xE4\xC3\xC2\xB9\xCF\xD8"},  // "涿鹿县"
    {130732, "\xB3\xE0\xB3\xC7\xCF\xD8"},  // "赤城县"
    {130733, "\xB3\xE7\xC0\xF1\xCF\xD8"},  // "崇礼县"
    {130800, "\xB3\xD0\xB5\xC2\xCA\xD0"},  // "承德市"
    {130801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {130802, "\xCB\xAB\xC7\xC5\xC7\xF8"},  // "双桥区"
    {130803, "\xCB\xAB\xC2\xD0\xC7\xF8"},  // "双滦区"
    {130804, "\xD3\xA5\xCA\xD6\xD3\xAA\xD7\xD3\xBF\xF3\xC7\xF8"},  // "鹰手营子矿区"
    {130821, "\xB3\xD0\xB5\xC2\xCF\xD8"},  // "承德县"
    {130822, "\xD0\xCB\xC2\xA1\xCF\xD8"},  // "兴隆县"
    {130823, "\xC6\xBD\xC8\xAA\xCF\xD8"},  // "平泉县"
    {130824, "\xC2\xD0\xC6\xBD\xCF\xD8"},  // "滦平县"
    {130825, "\xC2\xA1\xBB\xAF\xCF\xD8"},  // "隆化县"
    {130826, "\xB7\xE1\xC4\xFE\xC2\xFA\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "丰宁满族自治县"
    {130827, "\xBF\xED\xB3\xC7\xC2\xFA\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "宽城满族自治县"
    {130828, "\xCE\xA7\xB3\xA1\xC2\xFA\xD7\xE5\xC3\xC9\xB9\xC5\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "围场满族蒙古族自治县"
    {130900, "\xB2\xD7\xD6\xDD\xCA\xD0"},  // "沧州市"
    {130901, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {130902, "\xD0\xC2\xBB\xAA\xC7\xF8"},  // "新华区"
    {130903, "\xD4\xCB\xBA\xD3\xC7\xF8"},  // "运河区"
    {130921, "\xB2\xD7\xCF\xD8"},  // "沧县"
    {130922, "\xC7\xE0\xCF\xD8"},  // "青县"
    {130923, "\xB6\xAB\xB9\xE2\xCF\xD8"},  // "东光县"
    {130924, "\xBA\xA3\xD0\xCB\xCF\xD8"},  // "海兴县"
    {130925, "\xD1\xCE\xC9\xBD\xCF\xD8"},  // "盐山县"
    {130926, "\xCB\xE0\xC4\xFE\xCF\xD8"},  // "肃宁县"
    {130927, "\xC4\xCF\xC6\xA4\xCF\xD8"},  // "南皮县"
    {130928, "\xCE\xE2\xC7\xC5\xCF\xD8"},  // "吴桥县"
    {130929, "\xCF\xD7\xCF\xD8"},  // "献县"
    {130930, "\xC3\xCF\xB4\xE5\xBB\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "孟村回族自治县"
    {130981, "\xB2\xB4\xCD\xB7\xCA\xD0"},  // "泊头市"
    {130982, "\xC8\xCE\xC7\xF0\xCA\xD0"},  // "任丘市"
    {130983, "\xBB\xC6\xE6\xE8\xCA\xD0"},  // "黄骅市"
    {130984, "\xBA\xD3\xBC\xE4\xCA\xD0"},  // "河间市"
    {131000, "\xC0\xC8\xB7\xBB\xCA\xD0"},  // "廊坊市"
    {131001, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {131002, "\xB0\xB2\xB4\xCE\xC7\xF8"},  // "安次区"
    {131003, "\xB9\xE3\xD1\xF4\xC7\xF8"},  // "广阳区"
    {131022, "\xB9\xCC\xB0\xB2\xCF\xD8"},  // "固安县"
    {131023, "\xD3\xC0\xC7\xE5\xCF\xD8"},  // "永清县"
    {131024, "\xCF\xE3\xBA\xD3\xCF\xD8"},  // "香河县"
    {131025, "\xB4\xF3\xB3\xC7\xCF\xD8"},  // "大城县"
    {131026, "\xCE\xC4\xB0\xB2\xCF\xD8"},  // "文安县"
    {131028, "\xB4\xF3\xB3\xA7\xBB\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "大厂回族自治县"
    {131081, "\xB0\xD4\xD6\xDD\xCA\xD0"},  // "霸州市"
    {131082, "\xC8\xFD\xBA\xD3\xCA\xD0"},  // "三河市"
    {131100, "\xBA\xE2\xCB\xAE\xCA\xD0"},  // "衡水市"
    {131101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {131102, "\xCC\xD2\xB3\xC7\xC7\xF8"},  // "桃城区"
    {131121, "\xD4\xE6\xC7\xBF\xCF\xD8"},  // "枣强县"
    {131122, "\xCE\xE4\xD2\xD8\xCF\xD8"},  // "武邑县"
    {131123, "\xCE\xE4\xC7\xBF\xCF\xD8"},  // "武强县"
    {131124, "\xC8\xC4\xD1\xF4\xCF\xD8"},  // "饶阳县"
    {131125, "\xB0\xB2\xC6\xBD\xCF\xD8"},  // "安平县"
    {131126, "\xB9\xCA\xB3\xC7\xCF\xD8"},  // "故城县"
    {131127, "\xBE\xB0\xCF\xD8"},  // "景县"
    {131128, "\xB8\xB7\xB3\xC7\xCF\xD8"},  // "阜城县"
    {131181, "\xBC\xBD\xD6\xDD\xCA\xD0"},  // "冀州市"
    {131182, "\xC9\xEE\xD6\xDD\xCA\xD0"},  // "深州市"
};
static constexpr const char* const hebeiNamesUtf8[] = {
    u8"石家庄市",
    u8"市辖区",
    u8"长安区",
    u8"桥东区",
    u8"桥西区",
    u8"新华区",
    u8"井陉矿区",
    u8"裕华区",
    u8"井陉县",
    u8"正定县",
    u8"栾城县",
    u8"行唐县",
    u8"灵寿县",
    u8"高邑县",
    u8"深泽县",
    u8"赞皇县",
    u8"无极县",
    u8"平山县",
    u8"元氏县",
    u8"赵县",
    u8"辛集市",
    u8"藁城市",
    u8"晋州市",
    u8"新乐市",
    u8"鹿泉市",
    u8"唐山市",
    u8"市辖区",
    u8"路南区",
    u8"路北区",
    u8"古冶区",
    u8"开平区",
    u8"丰南区",
    u8"丰润区",
    u8"滦县",
    u8"滦南县",
    u8"乐亭县",
    u8"迁西县",
    u8"玉田县",
    u8"唐海县",
    u8"遵化市",
    u8"迁安市",
    u8"秦皇岛市",
    u8"市辖区",
    u8"海港区",
    u8"山海关区",
    u8"北戴河区",
    u8"青龙满族自治县",
    u8"昌黎县",
    u8"抚宁县",
    u8"卢龙县",
    u8"邯郸市",
    u8"市辖区",
    u8"邯山区",
    u8"丛台区",
    u8"复兴区",
    u8"峰峰矿区",
    u8"邯郸县",
    u8"临漳县",
    u8"成安县",
    u8"大名县",
    u8"涉县",
    u8"磁县",
    u8"肥乡县",
    u8"永年县",
    u8"邱县",
    u8"鸡泽县",
    u8"广平县",
    u8"馆陶县",
    u8"魏县",
    u8"曲周县",
    u8"武安市",
    u8"邢台市",
    u8"市辖区",
    u8"桥东区",
    u8"桥西区",
    u8"邢台县",
    u8"临城县",
    u8"内丘县",
    u8"柏乡县",
    u8"隆尧县",
    u8"任县",
    u8"南和县",
    u8"宁晋县",
    u8"巨鹿县",
    u8"新河县",
    u8"广宗县",
    u8"平乡县",
    u8"威县",
    u8"清河县",
    u8"临西县",
    u8"南宫市",
    u8"沙河市",
    u8"保定市",
    u8"市辖区",
    u8"新市区",
    u8"北市区",
    u8"南市区",
    u8"满城县",
    u8"清苑县",
    u8"涞水县",
    u8"阜平县",
    u8"徐水县",
    u8"定兴县",
    u8"唐县",
    u8"高阳县",
    u8"容城县",
    u8"涞源县",
    u8"望都县",
    u8"安新县",
    u8"易县",
    u8"曲阳县",
    u8"蠡县",
    u8"顺平县",
    u8"博野县",
    u8"雄县",
    u8"涿州市",
    u8"定州市",
    u8"安国市",
    u8"高碑店市",
    u8"张家口市",
    u8"市辖区",
    u8"桥东区",
    u8"桥西区",
    u8"宣化区",
    u8"下花园区",
    u8"宣化县",
    u8"张北县",
    u8"康保县",
    u8"沽源县",
    u8"尚义县",
    u8"蔚县",
    u8"阳原县",
    u8"怀安县",
    u8"万全县",
    u8"怀来县",
    u8"涿鹿县",
    u8"赤城县",
    u8"崇礼县",
    u8"承德市",
    u8"市辖区",
    u8"双桥区",
    u8"双滦区",
    u8"鹰手营子矿区",
    u8"承德县",
    u8"兴隆县",
    u8"平泉县",
    u8"滦平县",
    u8"隆化县",
    u8"丰宁满族自治县",
    u8"宽城满族自治县",
    u8"围场满族蒙古族自治县",
    u8"沧州市",
    u8"市辖区",
    u8"新华区",
    u8"运河区",
    u8"沧县",
    u8"青县",
    u8"东光县",
    u8"海兴县",
    u8"盐山县",
    u8"肃宁县",
    u8"南皮县",
    u8"吴桥县",
    u8"献县",
    u8"孟村回族自治县",
    u8"泊头市",
    u8"任丘市",
    u8"黄骅市",
    u8"河间市",
    u8"廊坊市",
    u8"市辖区",
    u8"安次区",
    u8"广阳区",
    u8"固安县",
    u8"永清县",
    u8"香河县",
    u8"大城县",
    u8"文安县",
    u8"大厂回族自治县",
    u8"霸州市",
    u8"三河市",
    u8"衡水市",
    u8"市辖区",
    u8"桃城区",
    u8"枣强县",
    u8"武邑县",
    u8"武强县",
    u8"饶阳县",
    u8"安平县",
    u8"故城县",
    u8"景县",
    u8"阜城县",
    u8"冀州市",
    u8"深州市",
};
static_assert(recordCount(hebeiNamesUtf8) == recordCount(hebeiRecords));
static constexpr ProvinceTable hebeiTable = {hebeiRecords, recordCount(hebeiRecords), hebeiNamesUtf8};

// 14 山西省: 141 records, 11 city-level
static constexpr DivisionEntry shanxiRecords[] = {
    {140100, "\xCC\xAB\xD4\xAD\xCA\xD0"},  // "太原市"
    {140101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {140105, "\xD0\xA1\xB5\xEA\xC7\xF8"},  // "小店区"
    {140106, "\xD3\xAD\xD4\xF3\xC7\xF8"},  // "迎泽区"
    {140107, "\xD0\xD3\xBB\xA8\xC1\xEB\xC7\xF8"},  // "杏花岭区"
    {140108, "\xBC\xE2\xB2\xDD\xC6\xBA\xC7\xF8"},  // "尖草坪区"
    {140109, "\xCD\xF2\xB0\xD8\xC1\xD6\xC7\xF8"},  // "万柏林区"
    {140110, "\xBD\xFA\xD4\xB4\xC7\xF8"},  // "晋源区"
    {140121, "\xC7\xE5\xD0\xEC\xCF\xD8"},  // "清徐县"
    {140122, "\xD1\xF4\xC7\xFA\xCF\xD8"},  // "阳曲县"
    {140123, "\xC2\xA6\xB7\xB3\xCF\xD8"},  // "娄烦县"
    {140181, "\xB9\xC5\xBD\xBB\xCA\xD0"},  // "古交市"
    {140200, "\xB4\xF3\xCD\xAC\xCA\xD0"},  // "大同市"
    {140201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {140202, "\xB3\xC7\xC7\xF8"},  // "城区"
    {140203, "\xBF\xF3\xC7\xF8"},  // "矿区"
    {140211, "\xC4\xCF\xBD\xBC\xC7\xF8"},  // "南郊区"
    {140212, "\xD0\xC2\xC8\xD9\xC7\xF8"},  // "新荣区"
    {140221, "\xD1\xF4\xB8\xDF\xCF\xD8"},  // "阳高县"
    {140222, "\xCC\xEC\xD5\xF2\xCF\xD8"},  // "天镇县"
    {140223, "\xB9\xE3\xC1\xE9\xCF\xD8"},  // "广灵县"
    {140224, "\xC1\xE9\xC7\xF0\xCF\xD8"},  // "灵丘县"
    {140225, "\xBB\xEB\xD4\xB4\xCF\xD8"},  // "浑源县"
    {140226, "\xD7\xF3\xD4\xC6\xCF\xD8"},  // "左云县"
    {140227, "\xB4\xF3\xCD\xAC\xCF\xD8"},  // "大同县"
    {140300, "\xD1\xF4\xC8\xAA\xCA\xD0"},  // "阳泉市"
    {140301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {140302, "\xB3\xC7\xC7\xF8"},  // "城区"
    {140303, "\xBF\xF3\xC7\xF8"},  // "矿区"
    {140311, "\xBD\xBC\xC7\xF8"},  // "郊区"
    {140321, "\xC6\xBD\xB6\xA8\xCF\xD8"},  // "平定县"
    {140322, "\xD3\xDB\xCF\xD8"},  // "盂县"
    {140400, "\xB3\xA4\xD6\xCE\xCA\xD0"},  // "长治市"
    {140401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {140402, "\xB3\xC7\xC7\xF8"},  // "城区"
    {140411, "\xBD\xBC\xC7\xF8"},  // "郊区"
    {140421, "\xB3\xA4\xD6\xCE\xCF\xD8"},  // "长治县"
    {140423, "\xCF\xE5\xD4\xAB\xCF\xD8"},  // "襄垣县"
    {140424, "\xCD\xCD\xC1\xF4\xCF\xD8"},  // "屯留县"
    {140425, "\xC6\xBD\xCB\xB3\xCF\xD8"},  // "平顺县"
    {140426, "\xC0\xE8\xB3\xC7\xCF\xD8"},  // "黎城县"
    {140427, "\xBA\xF8\xB9\xD8\xCF\xD8"},  // "壶关县"
    {140428, "\xB3\xA4\xD7\xD3\xCF\xD8"},  // "长子县"
    {140429, "\xCE\xE4\xCF\xE7\xCF\xD8"},  // "武乡县"
    {140430, "\xC7\xDF\xCF\xD8"},  // "沁县"
    {140431, "\xC7\xDF\xD4\xB4\xCF\xD8"},  // "沁源县"
    {140481, "\xC2\xBA\xB3\xC7\xCA\xD0"},  // "潞城市"
    {140500, "\xBD\xFA\xB3\xC7\xCA\xD0"},  // "晋城市"
    {140501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {140502, "\xB3\xC7\xC7\xF8"},  // "城区"
    {140521, "\xC7\xDF\xCB\xAE\xCF\xD8"},  // "沁水县"
    {140522, "\xD1\xF4\xB3\xC7\xCF\xD8"},  // "阳城县"
    {140524, "\xC1\xEA\xB4\xA8\xCF\xD8"},  // "陵川县"
    {140525, "\xD4\xF3\xD6\xDD\xCF\xD8"},  // "泽州县"
    {140581, "\xB8\xDF\xC6\xBD\xCA\xD0"},  // "高平市"
    {140600, "\xCB\xB7\xD6\xDD\xCA\xD0"},  // "朔州市"
    {140601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {140602, "\xCB\xB7\xB3\xC7\xC7\xF8"},  // "朔城区"
    {140603, "\xC6\xBD\xC2\xB3\xC7\xF8"},  // "平鲁区"
    {140621, "\xC9\xBD\xD2\xF5\xCF\xD8"},  // "山阴县"
    {140622, "\xD3\xA6\xCF\xD8"},  // "应县"
    {140623, "\xD3\xD2\xD3\xF1\xCF\xD8"},  // "右玉县"
    {140624, "\xBB\xB3\xC8\xCA\xCF\xD8"},  // "怀仁县"
    {140700, "\xBD\xFA\xD6\xD0\xCA\xD0"},  // "晋中市"
    {140701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {140702, "\xD3\xDC\xB4\xCE\xC7\xF8"},  // "榆次区"
    {140721, "\xD3\xDC\xC9\xE7\xCF\xD8"},  // "榆社县"
    {140722, "\xD7\xF3\xC8\xA8\xCF\xD8"},  // "左权县"
    {140723, "\xBA\xCD\xCB\xB3\xCF\xD8"},  // "和顺县"
    {140724, "\xCE\xF4\xD1\xF4\xCF\xD8"},  // "昔阳县"
    {140725, "\xCA\xD9\xD1\xF4\xCF\xD8"},  // "寿阳县"
    {140726, "\xCC\xAB\xB9\xC8\xCF\xD8"},  // "太谷县"
    {140727, "\xC6\xEE\xCF\xD8"},  // "祁县"
    {140728, "\xC6\xBD\xD2\xA3\xCF\xD8"},  // "平遥县"
    {140729, "\xC1\xE9\xCA\xAF\xCF\xD8"},  // "灵石县"
    {140781, "\xBD\xE9\xD0\xDD\xCA\xD0"},  // "介休市"
    {140800, "\xD4\xCB\xB3\xC7\xCA\xD0"},  // "运城市"
    {140801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {140802, "\xD1\xCE\xBA\xFE\xC7\xF8"},  // "盐湖区"
    {140821, "\xC1\xD9\xE2\xA2\xCF\xD8"},  // "临猗县"
    {140822, "\xCD\xF2\xC8\xD9\xCF\xD8"},  // "万荣县"
    {140823, "\xCE\xC5\xCF\xB2\xCF\xD8"},  // "闻喜县"
    {140824, "\xF0\xA2\xC9\xBD\xCF\xD8"},  // "稷山县"
    {140825, "\xD0\xC2\xE7\xAD\xCF\xD8"},  // "新绛县"
    {140826, "\xE7\xAD\xCF\xD8"},  // "绛县"
    {140827, "\xD4\xAB\xC7\xFA\xCF\xD8"},  // "垣曲县"
    {140828, "\xCF\xC4\xCF\xD8"},  // "夏县"
    {140829, "\xC6\xBD\xC2\xBD\xCF\xD8"},  // "平陆县"
    {140830, "\xDC\xC7\xB3\xC7\xCF\xD8"},  // "芮城县"
    {140881, "\xD3\xC0\xBC\xC3\xCA\xD0"},  // "永济市"
    {140882, "\xBA\xD3\xBD\xF2\xCA\xD0"},  // "河津市"
    {140900, "\xD0\xC3\xD6\xDD\xCA\xD0"},  // "忻州市"
    {140901, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {140902, "\xD0\xC3\xB8\xAE\xC7\xF8"},  // "忻府区"
    {140921, "\xB6\xA8\xCF\xE5\xCF\xD8"},  // "定襄县"
    {140922, "\xCE\xE5\xCC\xA8\xCF\xD8"},  // "五台县"
    {140923, "\xB4\xFA\xCF\xD8"},  // "代县"
    {140924, "\xB7\xB1\xD6\xC5\xCF\xD8"},  // "繁峙县"
    {140925, "\xC4\xFE\xCE\xE4\xCF\xD8"},  // "宁武县"
    {140926, "\xBE\xB2\xC0\xD6\xCF\xD8"},  // "静乐县"
    {140927, "\xC9\xF1\xB3\xD8\xCF\xD8"},  // "神池县"
    {140928, "\xCE\xE5\xD5\xAF\xCF\xD8"},  // "五寨县"
    {140929, "\xE1\xB3\xE1\xB0\xCF\xD8"},  // "岢岚县"
    {140930, "\xBA\xD3\xC7\xFA\xCF\xD8"},  // "河曲县"
    {140931, "\xB1\xA3\xB5\xC2\xCF\xD8"},  // "保德县"
    {140932, "\xC6\xAB\xB9\xD8\xCF\xD8"},  // "偏关县"
    {140981, "\xD4\xAD\xC6\xBD\xCA\xD0"},  // "原平市"
    {141000, "\xC1\xD9\xB7\xDA\xCA\xD0"},  // "临汾市"
    {141001, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {141002, "\xD2\xA2\xB6\xBC\xC7\xF8"},  // "尧都区"
    {141021, "\xC7\xFA\xCE\xD6\xCF\xD8"},  // "曲沃县"
    {141022, "\xD2\xED\xB3\xC7\xCF\xD8"},  // "翼城县"
    {141023, "\xCF\xE5\xB7\xDA\xCF\xD8"},  // "襄汾县"
    {141024, "\xBA\xE9\xB6\xB4\xCF\xD8"},  // "洪洞县"
    {141025, "\xB9\xC5\xCF\xD8"},  // "古县"
    {141026, "\xB0\xB2\xD4\xF3\xCF\xD8"},  // "安泽县"
    {141027, "\xB8\xA1\xC9\xBD\xCF\xD8"},  // "浮山县"
    {141028, "\xBC\xAA\xCF\xD8"},  // "吉县"
    {141029, "\xCF\xE7\xC4\xFE\xCF\xD8"},  // "乡宁县"
    {141030, "\xB4\xF3\xC4\xFE\xCF\xD8"},  // "大宁县"
    {141031, "\xDA\xF4\xCF\xD8"},  // "隰县"
    {141032, "\xD3\xC0\xBA\xCD\xCF\xD8"},  // "永和县"
    {141033, "\xC6\xD1\xCF\xD8"},  // "蒲县"
    {141034, "\xB7\xDA\xCE\xF7\xCF\xD8"},  // "汾西县"
    {141081, "\xBA\xEE\xC2\xED\xCA\xD0"},  // "侯马市"
    {141082, "\xBB\xF4\xD6\xDD\xCA\xD0"},  // "霍州市"
    {141100, "\xC2\xC0\xC1\xBA\xCA\xD0"},  // "吕梁市"
    {141101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {141102, "\xC0\xEB\xCA\xAF\xC7\xF8"},  // "离石区"
    {141121, "\xCE\xC4\xCB\xAE\xCF\xD8"},  // "文水县"
    {141122, "\xBD\xBB\xB3\xC7\xCF\xD8"},  // "交城县"
    {141123, "\xD0\xCB\xCF\xD8"},  // "兴县"
    {141124, "\xC1\xD9\xCF\xD8"},  // "临县"
    {141125, "\xC1\xF8\xC1\xD6\xCF\xD8"},  // "柳林县"
    {141126, "\xCA\xAF\xC2\xA5\xCF\xD8"},  // "石楼县"
    {141127, "\xE1\xB0\xCF\xD8"},  // "岚县"
    {141128, "\xB7\xBD\xC9\xBD\xCF\xD8"},  // "方山县"
    {141129, "\xD6\xD0\xD1\xF4\xCF\xD8"},  // "中阳县"
    {141130, "\xBD\xBB\xBF\xDA\xCF\xD8"},  // "交口县"
    {141181, "\xD0\xA2\xD2\xE5\xCA\xD0"},  // "孝义市"
    {141182, "\xB7\xDA\xD1\xF4\xCA\xD0"},  // "汾阳市"
};
static constexpr const char* const shanxiNamesUtf8[] = {
    u8"太原市",
    u8"市辖区",
    u8"小店区",
    u8"迎泽区",
    u8"杏花岭区",
    u8"尖草坪区",
    u8"万柏林区",
    u8"晋源区",
    u8"清徐县",
    u8"阳曲县",
    u8"娄烦县",
    u8"古交市",
    u8"大同市",
    u8"市辖区",
    u8"城区",
    u8"矿区",
    u8"南郊区",
    u8"新荣区",
    u8"阳高县",
    u8"天镇县",
    u8"广灵县",
    u8"灵丘县",
    u8"浑源县",
    u8"左云县",
    u8"大同县",
    u8"阳泉市",
    u8"市辖区",
    u8"城区",
    u8"矿区",
    u8"郊区",
    u8"平定县",
    u8"盂县",
    u8"长治市",
    u8"市辖区",
    u8"城区",
    u8"郊区",
    u8"长治县",
    u8"襄垣县",
    u8"屯留县",
    u8"平顺县",
    u8"黎城县",
    u8"壶关县",
    u8"长子县",
    u8"武乡县",
    u8"沁县",
    u8"沁源县",
    u8"潞城市",
    u8"晋城市",
    u8"市辖区",
    u8"城区",
    u8"沁水县",
    u8"阳城县",
    u8"陵川县",
    u8"泽州县",
    u8"高平市",
    u8"朔州市",
    u8"市辖区",
    u8"朔城区",
    u8"平鲁区",
    u8"山阴县",
    u8"应县",
    u8"右玉县",
    u8"怀仁县",
    u8"晋中市",
    u8"市辖区",
    u8"榆次区",
    u8"榆社县",
    u8"左权县",
    u8"和顺县",
    u8"昔阳县",
    u8"寿阳县",
    u8"太谷县",
    u8"祁县",
    u8"平遥县",
    u8"灵石县",
    u8"介休市",
    u8"运城市",
    u8"市辖区",
    u8"盐湖区",
    u8"临猗县",
    u8"万荣县",
    u8"闻喜县",
    u8"稷山县",
    u8"新绛县",
    u8"绛县",
    u8"垣曲县",
    u8"夏县",
    u8"平陆县",
    u8"芮城县",
    u8"永济市",
    u8"河津市",
    u8"忻州市",
    u8"市辖区",
    u8"忻府区",
    u8"定襄县",
    u8"五台县",
    u8"代县",
    u8"繁峙县",
    u8"宁武县",
    u8"静乐县",
    u8"神池县",
    u8"五寨县",
    u8"岢岚县",
    u8"河曲县",
    u8"保德县",
    u8"偏关县",
    u8"原平市",
    u8"临汾市",
    u8"市辖区",
    u8"尧都区",
    u8"曲沃县",
    u8"翼城县",
    u8"襄汾县",
    u8"洪洞县",
    u8"古县",
    u8"安泽县",
    u8"浮山县",
    u8"吉县",
    u8"乡宁县",
    u8"大宁县",
    u8"隰县",
    u8"永和县",
    u8"蒲县",
    u8"汾西县",
    u8"侯马市",
    u8"霍州市",
    u8"吕梁市",
    u8"市辖区",
    u8"离石区",
    u8"文水县",
    u8"交城县",
    u8"兴县",
    u8"临县",
    u8"柳林县",
    u8"石楼县",
    u8"岚县",
    u8"方山县",
    u8"中阳县",
    u8"交口县",
    u8"孝义市",
    u8"汾阳市",
};
static_assert(recordCount(shanxiNamesUtf8) == recordCount(shanxiRecords));
static constexpr ProvinceTable shanxiTable = {shanxiRecords, recordCount(shanxiRecords), shanxiNamesUtf8};

// 15 内蒙古自治区: 122 records, 12 city-level
static constexpr DivisionEntry innerMongoliaRecords[] = {
    {150100, "\xBA\xF4\xBA\xCD\xBA\xC6\xCC\xD8\xCA\xD0"},  // "呼和浩特市"
    {150101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {150102, "\xD0\xC2\xB3\xC7\xC7\xF8"},  // "新城区"
    {150103, "\xBB\xD8\xC3\xF1\xC7\xF8"},  // "回民区"
    {150104, "\xD3\xF1\xC8\xAA\xC7\xF8"},  // "玉泉区"
    {150105, "\xC8\xFC\xBA\xB1\xC7\xF8"},  // "赛罕区"
    {150121, "\xCD\xC1\xC4\xAC\xCC\xD8\xD7\xF3\xC6\xEC"},  // "土默特左旗"
    {150122, "\xCD\xD0\xBF\xCB\xCD\xD0\xCF\xD8"},  // "托克托县"
    {150123, "\xBA\xCD\xC1\xD6\xB8\xF1\xB6\xFB\xCF\xD8"},  // "和林格尔县"
    {150124, "\xC7\xE5\xCB\xAE\xBA\xD3\xCF\xD8"},  // "清水河县"
    {150125, "\xCE\xE4\xB4\xA8\xCF\xD8"},  // "武川县"
    {150200, "\xB0\xFC\xCD\xB7\xCA\xD0"},  // "包头市"
    {150201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {150202, "\xB6\xAB\xBA\xD3\xC7\xF8"},  // "东河区"
    {150203, "\xC0\xA5\xB6\xBC\xC2\xD8\xC7\xF8"},  // "昆都仑区"
    {150204, "\xC7\xE0\xC9\xBD\xC7\xF8"},  // "青山区"
    {150205, "\xCA\xAF\xB9\xD5\xC7\xF8"},  // "石拐区"
    {150206, "\xB0\xD7\xD4\xC6\xB6\xF5\xB2\xA9\xBF\xF3\xC7\xF8"},  // "白云鄂博矿区"
    {150207, "\xBE\xC5\xD4\xAD\xC7\xF8"},  // "九原区"
    {150221, "\xCD\xC1\xC4\xAC\xCC\xD8\xD3\xD2\xC6\xEC"},  // "土默特右旗"
    {150222, "\xB9\xCC\xD1\xF4\xCF\xD8"},  // "固阳县"
    {150223, "\xB4\xEF\xB6\xFB\xBA\xB1\xC3\xAF\xC3\xF7\xB0\xB2\xC1\xAA\xBA\xCF\xC6\xEC"},  // "达尔罕茂明安联合旗"
    {150300, "\xCE\xDA\xBA\xA3\xCA\xD0"},  // "乌海市"
    {150301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {150302, "\xBA\xA3\xB2\xAA\xCD\xE5\xC7\xF8"},  // "海勃湾区"
    {150303, "\xBA\xA3\xC4\xCF\xC7\xF8"},  // "海南区"
    {150304, "\xCE\xDA\xB4\xEF\xC7\xF8"},  // "乌达区"
    {150400, "\xB3\xE0\xB7\xE5\xCA\xD0"},  // "赤峰市"
    {150401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {150402, "\xBA\xEC\xC9\xBD\xC7\xF8"},  // "红山区"
    {150403, "\xD4\xAA\xB1\xA6\xC9\xBD\xC7\xF8"},  // "元宝山区"
    {150404, "\xCB\xC9\xC9\xBD\xC7\xF8"},  // "松山区"
    {150421, "\xB0\xA2\xC2\xB3\xBF\xC6\xB6\xFB\xC7\xDF\xC6\xEC"},  // "阿鲁科尔沁旗"
    {150422, "\xB0\xCD\xC1\xD6\xD7\xF3\xC6\xEC"},  // "巴林左旗"
    {150423, "\xB0\xCD\xC1\xD6\xD3\xD2\xC6\xEC"},  // "巴林右旗"
    {150424, "\xC1\xD6\xCE\xF7\xCF\xD8"},  // "林西县"
    {150425, "\xBF\xCB\xCA\xB2\xBF\xCB\xCC\xDA\xC6\xEC"},  // "克什克腾旗"
    {150426, "\xCE\xCC\xC5\xA3\xCC\xD8\xC6\xEC"},  // "翁牛特旗"
    {150428, "\xBF\xA6\xC0\xAE\xC7\xDF\xC6\xEC"},  // "喀喇沁旗"
    {150429, "\xC4\xFE\xB3\xC7\xCF\xD8"},  // "宁城县"
    {150430, "\xB0\xBD\xBA\xBA\xC6\xEC"},  // "敖汉旗"
    {150500, "\xCD\xA8\xC1\xC9\xCA\xD0"},  // "通辽市"
    {150501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {150502, "\xBF\xC6\xB6\xFB\xC7\xDF\xC7\xF8"},  // "科尔沁区"
    {150521, "\xBF\xC6\xB6\xFB\xC7\xDF\xD7\xF3\xD2\xED\xD6\xD0\xC6\xEC"},  // "科尔沁左翼中旗"
    {150522, "\xBF\xC6\xB6\xFB\xC7\xDF\xD7\xF3\xD2\xED\xBA\xF3\xC6\xEC"},  // "科尔沁左翼后旗"
    {150523, "\xBF\xAA\xC2\xB3\xCF\xD8"},  // "开鲁县"
    {150524, "\xBF\xE2\xC2\xD7\xC6\xEC"},  // "库伦旗"
    {150525, "\xC4\xCE\xC2\xFC\xC6\xEC"},  // "奈曼旗"
    {150526, "\xD4\xFA\xC2\xB3\xCC\xD8\xC6\xEC"},  // "扎鲁特旗"
    {150581, "\xBB\xF4\xC1\xD6\xB9\xF9\xC0\xD5\xCA\xD0"},  // "霍林郭勒市"
    {150600, "\xB6\xF5\xB6\xFB\xB6\xE0\xCB\xB9\xCA\xD0"},  // "鄂尔多斯市"
    {150601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {150602, "\xB6\xAB\xCA\xA4\xC7\xF8"},  // "东胜区"
    {150621, "\xB4\xEF\xC0\xAD\xCC\xD8\xC6\xEC"},  // "达拉特旗"
    {150622, "\xD7\xBC\xB8\xF1\xB6\xFB\xC6\xEC"},  // "准格尔旗"
    {150623, "\xB6\xF5\xCD\xD0\xBF\xCB\xC7\xB0\xC6\xEC"},  // "鄂托克前旗"
    {150624, "\xB6\xF5\xCD\xD0\xBF\xCB\xC6\xEC"},  // "鄂托克旗"
    {150625, "\xBA\xBC\xBD\xF5\xC6\xEC"},  // "杭锦旗"
    {150626, "\xCE\xDA\xC9\xF3\xC6\xEC"},  // "乌审旗"
    {150627, "\xD2\xC1\xBD\xF0\xBB\xF4\xC2\xE5\xC6\xEC"},  // "伊金霍洛旗"
    {150700, "\xBA\xF4\xC2\xD7\xB1\xB4\xB6\xFB\xCA\xD0"},  // "呼伦贝尔市"
    {150701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {150702, "\xBA\xA3\xC0\xAD\xB6\xFB\xC7\xF8"},  // "海拉尔区"
    {150721, "\xB0\xA2\xC8\xD9\xC6\xEC"},  // "阿荣旗"
    {150722, "\xC4\xAA\xC1\xA6\xB4\xEF\xCD\xDF\xB4\xEF\xCE\xD3\xB6\xFB\xD7\xE5\xD7\xD4\xD6\xCE\xC6\xEC"},  // "莫力达瓦达斡尔族自治旗"
    {150723, "\xB6\xF5\xC2\xD7\xB4\xBA\xD7\xD4\xD6\xCE\xC6\xEC"},  // "鄂伦春自治旗"
    {150724, "\xB6\xF5\xCE\xC2\xBF\xCB\xD7\xE5\xD7\xD4\xD6\xCE\xC6\xEC"},  // "鄂温克族自治旗"
    {150725, "\xB3\xC2\xB0\xCD\xB6\xFB\xBB\xA2\xC6\xEC"},  // "陈巴尔虎旗"
    {150726, "\xD0\xC2\xB0\xCD\xB6\xFB\xBB\xA2\xD7\xF3\xC6\xEC"},  // "新巴尔虎左旗"
    {150727, "\xD0\xC2\xB0\xCD\xB6\xFB\xBB\xA2\xD3\xD2\xC6\xEC"},  // "新巴尔虎右旗"
    {150781, "\xC2\xFA\xD6\xDE\xC0\xEF\xCA\xD0"},  // "满洲里市"
    {150782, "\xD1\xC0\xBF\xCB\xCA\xAF\xCA\xD0"},  // "牙克石市"
    {150783, "\xD4\xFA\xC0\xBC\xCD\xCD\xCA\xD0"},  // "扎兰屯市"
    {150784, "\xB6\xEE\xB6\xFB\xB9\xC5\xC4\xC9\xCA\xD0"},  // "额尔古纳市"
    {150785, "\xB8\xF9\xBA\xD3\xCA\xD0"},  // "根河市"
    {150800, "\xB0\xCD\xD1\xE5\xC4\xD7\xB6\xFB\xCA\xD0"},  // "巴彦淖尔市"
    {150801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {150802, "\xC1\xD9\xBA\xD3\xC7\xF8"},  // "临河区"
    {150821, "\xCE\xE5\xD4\xAD\xCF\xD8"},  // "五原县"
    {150822, "\xED\xE3\xBF\xDA\xCF\xD8"},  // "磴口县"
    {150823, "\xCE\xDA\xC0\xAD\xCC\xD8\xC7\xB0\xC6\xEC"},  // "乌拉特前旗"
    {150824, "\xCE\xDA\xC0\xAD\xCC\xD8\xD6\xD0\xC6\xEC"},  // "乌拉特中旗"
    {150825, "\xCE\xDA\xC0\xAD\xCC\xD8\xBA\xF3\xC6\xEC"},  // "乌拉特后旗"
    {150826, "\xBA\xBC\xBD\xF5\xBA\xF3\xC6\xEC"},  // "杭锦后旗"
    {150900, "\xCE\xDA\xC0\xBC\xB2\xEC\xB2\xBC\xCA\xD0"},  // "乌兰察布市"
    {150901, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {150902, "\xBC\xAF\xC4\xFE\xC7\xF8"},  // "集宁区"
    {150921, "\xD7\xBF\xD7\xCA\xCF\xD8"},  // "卓资县"
    {150922, "\xBB\xAF\xB5\xC2\xCF\xD8"},  // "化德县"
    {150923, "\xC9\xCC\xB6\xBC\xCF\xD8"},  // "商都县"
    {150924, "\xD0\xCB\xBA\xCD\xCF\xD8"},  // "兴和县"
    {150925, "\xC1\xB9\xB3\xC7\xCF\xD8"},  // "凉城县"
    {150926, "\xB2\xEC\xB9\xFE\xB6\xFB\xD3\xD2\xD2\xED\xC7\xB0\xC6\xEC"},  // "察哈尔右翼前旗"
    {150927, "\xB2\xEC\xB9\xFE\xB6\xFB\xD3\xD2\xD2\xED\xD6\xD0\xC6\xEC"},  // "察哈尔右翼中旗"
    {150928, "\xB2\xEC\xB9\xFE\xB6\xFB\xD3\xD2\xD2\xED\xBA\xF3\xC6\xEC"},  // "察哈尔右翼后旗"
    {150929, "\xCB\xC4\xD7\xD3\xCD\xF5\xC6\xEC"},  // "四子王旗"
    {150981, "\xB7\xE1\xD5\xF2\xCA\xD0"},  // "丰镇市"
    {152200, "\xD0\xCB\xB0\xB2\xC3\xCB"},  // "兴安盟"
    {152201, "\xCE\xDA\xC0\xBC\xBA\xC6\xCC\xD8\xCA\xD0"},  // "乌兰浩特市"
    {152202, "\xB0\xA2\xB6\xFB\xC9\xBD\xCA\xD0"},  // "阿尔山市"
    {152221, "\xBF\xC6\xB6\xFB\xC7\xDF\xD3\xD2\xD2\xED\xC7\xB0\xC6\xEC"},  // "科尔沁右翼前旗"
    {152222, "\xBF\xC6\xB6\xFB\xC7\xDF\xD3\xD2\xD2\xED\xD6\xD0\xC6\xEC"},  // "科尔沁右翼中旗"
    {152223, "\xD4\xFA\xEA\xE3\xCC\xD8\xC6\xEC"},  // "扎赉特旗"
    {152224, "\xCD\xBB\xC8\xAA\xCF\xD8"},  // "突泉县"
    {152500, "\xCE\xFD\xC1\xD6\xB9\xF9\xC0\xD5\xC3\xCB"},  // "锡林郭勒盟"
    {152501, "\xB6\xFE\xC1\xAC\xBA\xC6\xCC\xD8\xCA\xD0"},  // "二连浩特市"
    {152502, "\xCE\xFD\xC1\xD6\xBA\xC6\xCC\xD8\xCA\xD0"},  // "锡林浩特市"
    {152522, "\xB0\xA2\xB0\xCD\xB8\xC2\xC6\xEC"},  // "阿巴嘎旗"
    {152523, "\xCB\xD5\xC4\xE1\xCC\xD8\xD7\xF3\xC6\xEC"},  // "苏尼特左旗"
    {152524, "\xCB\xD5\xC4\xE1\xCC\xD8\xD3\xD2\xC6\xEC"},  // "苏尼特右旗"
    {152525, "\xB6\xAB\xCE\xDA\xD6\xE9\xC4\xC2\xC7\xDF\xC6\xEC"},  // "东乌珠穆沁旗"
    {152526, "\xCE\xF7\xCE\xDA\xD6\xE9\xC4\xC2\xC7\xDF\xC6\xEC"},  // "西乌珠穆沁旗"
    {152527, "\xCC\xAB\xC6\xCD\xCB\xC2\xC6\xEC"},  // "太仆寺旗"
    {152528, "\xCF\xE2\xBB\xC6\xC6\xEC"},  // "镶黄旗"
    {152529, "\xD5\xFD\xCF\xE2\xB0\xD7\xC6\xEC"},  // "正镶白旗"
    {152530, "\xD5\xFD\xC0\xB6\xC6\xEC"},  // "正蓝旗"
    {152531, "\xB6\xE0\xC2\xD7\xCF\xD8"},  // "多伦县"
    {152900, "\xB0\xA2\xC0\xAD\xC9\xC6\xC3\xCB"},  // "阿拉善盟"
    {152921, "\xB0\xA2\xC0\xAD\xC9\xC6\xD7\xF3\xC6\xEC"},  // "阿拉善左旗"
    {152922, "\xB0\xA2\xC0\xAD\xC9\xC6\xD3\xD2\xC6\xEC"},  // "阿拉善右旗"
    {152923, "\xB6\xEE\xBC\xC3\xC4\xC9\xC6\xEC"},  // "额济纳旗"
};
static constexpr const char* const innerMongoliaNamesUtf8[] = {
    u8"呼和浩特市",
    u8"市辖区",
    u8"新城区",
    u8"回民区",
    u8"玉泉区",
    u8"赛罕区",
    u8"土默特左旗",
    u8"托克托县",
    u8"和林格尔县",
    u8"清水河县",
    u8"武川县",
    u8"包头市",
    u8"市辖区",
    u8"东河区",
    u8"昆都仑区",
    u8"青山区",
    u8"石拐区",
    u8"白云鄂博矿区",
    u8"九原区",
    u8"土默特右旗",
    u8"固阳县",
    u8"达尔罕茂明安联合旗",
    u8"乌海市",
    u8"市辖区",
    u8"海勃湾区",
    u8"海南区",
    u8"乌达区",
    u8"赤峰市",
    u8"市辖区",
    u8"红山区",
    u8"元宝山区",
    u8"松山区",
    u8"阿鲁科尔沁旗",
    u8"巴林左旗",
    u8"巴林右旗",
    u8"林西县",
    u8"克什克腾旗",
    u8"翁牛特旗",
    u8"喀喇沁旗",
    u8"宁城县",
    u8"敖汉旗",
    u8"通辽市",
    u8"市辖区",
    u8"科尔沁区",
    u8"科尔沁左翼中旗",
    u8"科尔沁左翼后旗",
    u8"开鲁县",
    u8"库伦旗",
    u8"奈曼旗",
    u8"扎鲁特旗",
    u8"霍林郭勒市",
    u8"鄂尔多斯市",
    u8"市辖区",
    u8"东胜区",
    u8"达拉特旗",
    u8"准格尔旗",
    u8"鄂托克前旗",
    u8"鄂托克旗",
    u8"杭锦旗",
    u8"乌审旗",
    u8"伊金霍洛旗",
    u8"呼伦贝尔市",
    u8"市辖区",
    u8"海拉尔区",
    u8"阿荣旗",
    u8"莫力达瓦达斡尔族自治旗",
    u8"鄂伦春自治旗",
    u8"鄂温克族自治旗",
    u8"陈巴尔虎旗",
    u8"新巴尔虎左旗",
    u8"新巴尔虎右旗",
    u8"满洲里市",
    u8"牙克石市",
    u8"扎兰屯市",
    u8"额尔古纳市",
    u8"根河市",
    u8"巴彦淖尔市",
    u8"市辖区",
    u8"临河区",
    u8"五原县",
    u8"磴口县",
    u8"乌拉特前旗",
    u8"乌拉特中旗",
    u8"乌拉特后旗",
    u8"杭锦后旗",
    u8"乌兰察布市",
    u8"市辖区",
    u8"集宁区",
    u8"卓资县",
    u8"化德县",
    u8"商都县",
    u8"兴和县",
    u8"凉城县",
    u8"察哈尔右翼前旗",
    u8"察哈尔右翼中旗",
    u8"察哈尔右翼后旗",
    u8"四子王旗",
    u8"丰镇市",
    u8"兴安盟",
    u8"乌兰浩特市",
    u8"阿尔山市",
    u8"科尔沁右翼前旗",
    u8"科尔沁右翼中旗",
    u8"扎赉特旗",
    u8"突泉县",
    u8"锡林郭勒盟",
    u8"二连浩特市",
    u8"锡林浩特市",
    u8"阿巴嘎旗",
    u8"苏尼特左旗",
    u8"苏尼特右旗",
    u8"东乌珠穆沁旗",
    u8"西乌珠穆沁旗",
    u8"太仆寺旗",
    u8"镶黄旗",
    u8"正镶白旗",
    u8"正蓝旗",
    u8"多伦县",
    u8"阿拉善盟",
    u8"阿拉善左旗",
    u8"阿拉善右旗",
    u8"额济纳旗",
};
static_assert(recordCount(innerMongoliaNamesUtf8) == recordCount(innerMongoliaRecords));
static constexpr ProvinceTable innerMongoliaTable = {innerMongoliaRecords, recordCount(innerMongoliaRecords), innerMongoliaNamesUtf8};

// 21 辽宁省: 128 records, 14 city-level
static constexpr DivisionEntry liaoningRecords[] = {
    {210100, "\xC9\xF2\xD1\xF4\xCA\xD0"},  // "沈阳市"
    {210101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {210102, "\xBA\xCD\xC6\xBD\xC7\xF8"},  // "和平区"
    {210103, "\xC9\xF2\xBA\xD3\xC7\xF8"},  // "沈河区"
    {210104, "\xB4\xF3\xB6\xAB\xC7\xF8"},  // "大东区"
    {210105, "\xBB\xCA\xB9\xC3\xC7\xF8"},  // "皇姑区"
    {210106, "\xCC\xFA\xCE\xF7\xC7\xF8"},  // "铁西区"
    {210111, "\xCB\xD5\xBC\xD2\xCD\xCD\xC7\xF8"},  // "苏家屯区"
    {210112, "\xB6\xAB\xC1\xEA\xC7\xF8"},  // "东陵区"
    {210113, "\xC9\xF2\xB1\xB1\xD0\xC2\xC7\xF8"},  // "沈北新区"
    {210114, "\xD3\xDA\xBA\xE9\xC7\xF8"},  // "于洪区"
    {210122, "\xC1\xC9\xD6\xD0\xCF\xD8"},  // "辽中县"
    {210123, "\xBF\xB5\xC6\xBD\xCF\xD8"},  // "康平县"
    {210124, "\xB7\xA8\xBF\xE2\xCF\xD8"},  // "法库县"
    {210181, "\xD0\xC2\xC3\xF1\xCA\xD0"},  // "新民市"
    {210200, "\xB4\xF3\xC1\xAC\xCA\xD0"},  // "大连市"
    {210201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {210202, "\xD6\xD0\xC9\xBD\xC7\xF8"},  // "中山区"
    {210203, "\xCE\xF7\xB8\xDA\xC7\xF8"},  // "西岗区"
    {210204, "\xC9\xB3\xBA\xD3\xBF\xDA\xC7\xF8"},  // "沙河口区"
    {210211, "\xB8\xCA\xBE\xAE\xD7\xD3\xC7\xF8"},  // "甘井子区"
    {210212, "\xC2\xC3\xCB\xB3\xBF\xDA\xC7\xF8"},  // "旅顺口区"
    {210213, "\xBD\xF0\xD6\xDD\xC7\xF8"},  // "金州区"
    {210224, "\xB3\xA4\xBA\xA3\xCF\xD8"},  // "长海县"
    {210281, "\xCD\xDF\xB7\xBF\xB5\xEA\xCA\xD0"},  // "瓦房店市"
    {210282, "\xC6\xD5\xC0\xBC\xB5\xEA\xCA\xD0"},  // "普兰店市"
    {210283, "\xD7\xAF\xBA\xD3\xCA\xD0"},  // "庄河市"
    {210300, "\xB0\xB0\xC9\xBD\xCA\xD0"},  // "鞍山市"
    {210301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {210302, "\xCC\xFA\xB6\xAB\xC7\xF8"},  // "铁东区"
    {210303, "\xCC\xFA\xCE\xF7\xC7\xF8"},  // "铁西区"
    {210304, "\xC1\xA2\xC9\xBD\xC7\xF8"},  // "立山区"
    {210311, "\xC7\xA7\xC9\xBD\xC7\xF8"},  // "千山区"
    {210321, "\xCC\xA8\xB0\xB2\xCF\xD8"},  // "台安县"
    {210323, "\xE1\xB6\xD1\xD2\xC2\xFA\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "岫岩满族自治县"
    {210381, "\xBA\xA3\xB3\xC7\xCA\xD0"},  // "海城市"
    {210400, "\xB8\xA7\xCB\xB3\xCA\xD0"},  // "抚顺市"
    {210401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {210402, "\xD0\xC2\xB8\xA7\xC7\xF8"},  // "新抚区"
    {210403, "\xB6\xAB\xD6\xDE\xC7\xF8"},  // "东洲区"
    {210404, "\xCD\xFB\xBB\xA8\xC7\xF8"},  // "望花区"
    {210411, "\xCB\xB3\xB3\xC7\xC7\xF8"},  // "顺城区"
    {210421, "\xB8\xA7\xCB\xB3\xCF\xD8"},  // "抚顺县"
    {210422, "\xD0\xC2\xB1\xF6\xC2\xFA\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "新宾满族自治县"
    {210423, "\xC7\xE5\xD4\xAD\xC2\xFA\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "清原满族自治县"
    {210500, "\xB1\xBE\xCF\xAA\xCA\xD0"},  // "本溪市"
    {210501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {210502, "\xC6\xBD\xC9\xBD\xC7\xF8"},  // "平山区"
    {210503, "\xCF\xAA\xBA\xFE\xC7\xF8"},  // "溪湖区"
    {210504, "\xC3\xF7\xC9\xBD\xC7\xF8"},  // "明山区"
    {210505, "\xC4\xCF\xB7\xD2\xC7\xF8"},  // "南芬区"
    {210521, "\xB1\xBE\xCF\xAA\xC2\xFA\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "本溪满族自治县"
    {210522, "\xBB\xB8\xC8\xCA\xC2\xFA\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "桓仁满族自治县"
    {210600, "\xB5\xA4\xB6\xAB\xCA\xD0"},  // "丹东市"
    {210601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {210602, "\xD4\xAA\xB1\xA6\xC7\xF8"},  // "元宝区"
    {210603, "\xD5\xF1\xD0\xCB\xC7\xF8"},  // "振兴区"
    {210604, "\xD5\xF1\xB0\xB2\xC7\xF8"},  // "振安区"
    {210624, "\xBF\xED\xB5\xE9\xC2\xFA\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "宽甸满族自治县"
    {210681, "\xB6\xAB\xB8\xDB\xCA\xD0"},  // "东港市"
    {210682, "\xB7\xEF\xB3\xC7\xCA\xD0"},  // "凤城市"
    {210700, "\xBD\xF5\xD6\xDD\xCA\xD0"},  // "锦州市"
    {210701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {210702, "\xB9\xC5\xCB\xFE\xC7\xF8"},  // "古塔区"
    {210703, "\xC1\xE8\xBA\xD3\xC7\xF8"},  // "凌河区"
    {210711, "\xCC\xAB\xBA\xCD\xC7\xF8"},  // "太和区"
    {210726, "\xBA\xDA\xC9\xBD\xCF\xD8"},  // "黑山县"
    {210727, "\xD2\xE5\xCF\xD8"},  // "义县"
    {210781, "\xC1\xE8\xBA\xA3\xCA\xD0"},  // "凌海市"
    {210782, "\xB1\xB1\xD5\xF2\xCA\xD0"},  // "北镇市"
    {210800, "\xD3\xAA\xBF\xDA\xCA\xD0"},  // "营口市"
    {210801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {210802, "\xD5\xBE\xC7\xB0\xC7\xF8"},  // "站前区"
    {210803, "\xCE\xF7\xCA\xD0\xC7\xF8"},  // "西市区"
    {210804, "\xF6\xD1\xD3\xE3\xC8\xA6\xC7\xF8"},  // "鲅鱼圈区"
    {210811, "\xC0\xCF\xB1\xDF\xC7\xF8"},  // "老边区"
    {210881, "\xB8\xC7\xD6\xDD\xCA\xD0"},  // "盖州市"
    {210882, "\xB4\xF3\xCA\xAF\xC7\xC5\xCA\xD0"},  // "大石桥市"
    {210900, "\xB8\xB7\xD0\xC2\xCA\xD0"},  // "阜新市"
    {210901, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {210902, "\xBA\xA3\xD6\xDD\xC7\xF8"},  // "海州区"
    {210903, "\xD0\xC2\xC7\xF1\xC7\xF8"},  // "新邱区"
    {210904, "\xCC\xAB\xC6\xBD\xC7\xF8"},  // "太平区"
    {210905, "\xC7\xE5\xBA\xD3\xC3\xC5\xC7\xF8"},  // "清河门区"
    {210911, "\xCF\xB8\xBA\xD3\xC7\xF8"},  // "细河区"
    {210921, "\xB8\xB7\xD0\xC2\xC3\xC9\xB9\xC5\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "阜新蒙古族自治县"
    {210922, "\xD5\xC3\xCE\xE4\xCF\xD8"},  // "彰武县"
    {211000, "\xC1\xC9\xD1\xF4\xCA\xD0"},  // "辽阳市"
    {211001, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {211002, "\xB0\xD7\xCB\xFE\xC7\xF8"},  // "白塔区"
    {211003, "\xCE\xC4\xCA\xA5\xC7\xF8"},  // "文圣区"
    {211004, "\xBA\xEA\xCE\xB0\xC7\xF8"},  // "宏伟区"
    {211005, "\xB9\xAD\xB3\xA4\xC1\xEB\xC7\xF8"},  // "弓长岭区"
    {211011, "\xCC\xAB\xD7\xD3\xBA\xD3\xC7\xF8"},  // "太子河区"
    {211021, "\xC1\xC9\xD1\xF4\xCF\xD8"},  // "辽阳县"
    {211081, "\xB5\xC6\xCB\xFE\xCA\xD0"},  // "灯塔市"
    {211100, "\xC5\xCC\xBD\xF5\xCA\xD0"},  // "盘锦市"
    {211101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {211102, "\xCB\xAB\xCC\xA8\xD7\xD3\xC7\xF8"},  // "双台子区"
    {211103, "\xD0\xCB\xC2\xA1\xCC\xA8\xC7\xF8"},  // "兴隆台区"
    {211121, "\xB4\xF3\xCD\xDD\xCF\xD8"},  // "大洼县"
    {211122, "\xC5\xCC\xC9\xBD\xCF\xD8"},  // "盘山县"
    {211200, "\xCC\xFA\xC1\xEB\xCA\xD0"},  // "铁岭市"
    {211201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {211202, "\xD2\xF8\xD6\xDD\xC7\xF8"},  // "银州区"
    {211204, "\xC7\xE5\xBA\xD3\xC7\xF8"},  // "清河区"
    {211221, "\xCC\xFA\xC1\xEB\xCF\xD8"},  // "铁岭县"
    {211223, "\xCE\xF7\xB7\xE1\xCF\xD8"},  // "西丰县"
    {211224, "\xB2\xFD\xCD\xBC\xCF\xD8"},  // "昌图县"
    {211281, "\xB5\xF7\xB1\xF8\xC9\xBD\xCA\xD0"},  // "调兵山市"
    {211282, "\xBF\xAA\xD4\xAD\xCA\xD0"},  // "开原市"
    {211300, "\xB3\xAF\xD1\xF4\xCA\xD0"},  // "朝阳市"
    {211301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {211302, "\xCB\xAB\xCB\xFE\xC7\xF8"},  // "双塔区"
    {211303, "\xC1\xFA\xB3\xC7\xC7\xF8"},  // "龙城区"
    {211321, "\xB3\xAF\xD1\xF4\xCF\xD8"},  // "朝阳县"
    {211322, "\xBD\xA8\xC6\xBD\xCF\xD8"},  // "建平县"
    {211324, "\xBF\xA6\xC0\xAE\xC7\xDF\xD7\xF3\xD2\xED\xC3\xC9\xB9\xC5\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "喀喇沁左翼蒙古族自治县"
    {211381, "\xB1\xB1\xC6\xB1\xCA\xD0"},  // "北票市"
    {211382, "\xC1\xE8\xD4\xB4\xCA\xD0"},  // "凌源市"
    {211400, "\xBA\xF9\xC2\xAB\xB5\xBA\xCA\xD0"},  // "葫芦岛市"
    {211401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {211402, "\xC1\xAC\xC9\xBD\xC7\xF8"},  // "连山区"
    {211403, "\xC1\xFA\xB8\xDB\xC7\xF8"},  // "龙港区"
    {211404, "\xC4\xCF\xC6\xB1\xC7\xF8"},  // "南票区"
    {211421, "\xCB\xE7\xD6\xD0\xCF\xD8"},  // "绥中县"
    {211422, "\xBD\xA8\xB2\xFD\xCF\xD8"},  // "建昌县"
    {211481, "\xD0\xCB\xB3\xC7\xCA\xD0"},  // "兴城市"
};
static constexpr const char* const liaoningNamesUtf8[] = {
    u8"沈阳市",
    u8"市辖区",
    u8"和平区",
    u8"沈河区",
    u8"大东区",
    u8"皇姑区",
    u8"铁西区",
    u8"苏家屯区",
    u8"东陵区",
    u8"沈北新区",
    u8"于洪区",
    u8"辽中县",
    u8"康平县",
    u8"法库县",
    u8"新民市",
    u8"大连市",
    u8"市辖区",
    u8"中山区",
    u8"西岗区",
    u8"沙河口区",
    u8"甘井子区",
    u8"旅顺口区",
    u8"金州区",
    u8"长海县",
    u8"瓦房店市",
    u8"普兰店市",
    u8"庄河市",
    u8"鞍山市",
    u8"市辖区",
    u8"铁东区",
    u8"铁西区",
    u8"立山区",
    u8"千山区",
    u8"台安县",
    u8"岫岩满族自治县",
    u8"海城市",
    u8"抚顺市",
    u8"市辖区",
    u8"新抚区",
    u8"东洲区",
    u8"望花区",
    u8"顺城区",
    u8"抚顺县",
    u8"新宾满族自治县",
    u8"清原满族自治县",
    u8"本溪市",
    u8"市辖区",
    u8"平山区",
    u8"溪湖区",
    u8"明山区",
    u8"南芬区",
    u8"本溪满族自治县",
    u8"桓仁满族自治县",
    u8"丹东市",
    u8"市辖区",
    u8"元宝区",
    u8"振兴区",
    u8"振安区",
    u8"宽甸满族自治县",
    u8"东港市",
    u8"凤城市",
    u8"锦州市",
    u8"市辖区",
    u8"古塔区",
    u8"凌河区",
    u8"太和区",
    u8"黑山县",
    u8"义县",
    u8"凌海市",
    u8"北镇市",
    u8"营口市",
    u8"市辖区",
    u8"站前区",
    u8"西市区",
    u8"鲅鱼圈区",
    u8"老边区",
    u8"盖州市",
    u8"大石桥市",
    u8"阜新市",
    u8"市辖区",
    u8"海州区",
    u8"新邱区",
    u8"太平区",
    u8"清河门区",
    u8"细河区",
    u8"阜新蒙古族自治县",
    u8"彰武县",
    u8"辽阳市",
    u8"市辖区",
    u8"白塔区",
    u8"文圣区",
    u8"宏伟区",
    u8"弓长岭区",
    u8"太子河区",
    u8"辽阳县",
    u8"灯塔市",
    u8"盘锦市",
    u8"市辖区",
    u8"双台子区",
    u8"兴隆台区",
    u8"大洼县",
    u8"盘山县",
    u8"铁岭市",
    u8"市辖区",
    u8"银州区",
    u8"清河区",
    u8"铁岭县",
    u8"西丰县",
    u8"昌图县",
    u8"调兵山市",
    u8"开原市",
    u8"朝阳市",
    u8"市辖区",
    u8"双塔区",
    u8"龙城区",
    u8"朝阳县",
    u8"建平县",
    u8"喀喇沁左翼蒙古族自治县",
    u8"北票市",
    u8"凌源市",
    u8"葫芦岛市",
    u8"市辖区",
    u8"连山区",
    u8"龙港区",
    u8"南票区",
    u8"绥中县",
    u8"建昌县",
    u8"兴城市",
};
static_assert(recordCount(liaoningNamesUtf8) == recordCount(liaoningRecords));
static constexpr ProvinceTable liaoningTable = {liaoningRecords, recordCount(liaoningRecords), liaoningNamesUtf8};

// 22 吉林省: 78 records, 10 city-level
static constexpr DivisionEntry jilinRecords[] = {
    {220000, "\xBC\xAA\xC1\xD6\xCA\xA1"},  // "吉林省"
    {220100, "\xB3\xA4\xB4\xBA\xCA\xD0"},  // "长春市"
    {220101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {220102, "\xC4\xCF\xB9\xD8\xC7\xF8"},  // "南关区"
    {220103, "\xBF\xED\xB3\xC7\xC7\xF8"},  // "宽城区"
    {220104, "\xB3\xAF\xD1\xF4\xC7\xF8"},  // "朝阳区"
    {220105, "\xB6\xFE\xB5\xC0\xC7\xF8"},  // "二道区"
    {220106, "\xC2\xCC\xD4\xB0\xC7\xF8"},  // "绿园区"
    {220112, "\xCB\xAB\xD1\xF4\xC7\xF8"},  // "双阳区"
    {220122, "\xC5\xA9\xB0\xB2\xCF\xD8"},  // "农安县"
    {220181, "\xBE\xC5\xCC\xA8\xCA\xD0"},  // "九台市"
    {220182, "\xD3\xDC\xCA\xF7\xCA\xD0"},  // "榆树市"
    {220183, "\xB5\xC2\xBB\xDD\xCA\xD0"},  // "德惠市"
    {220200, "\xBC\xAA\xC1\xD6\xCA\xD0"},  // "吉林市"
    {220201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {220202, "\xB2\xFD\xD2\xD8\xC7\xF8"},  // "昌邑区"
    {220203, "\xC1\xFA\xCC\xB6\xC7\xF8"},  // "龙潭区"
    {220204, "\xB4\xAC\xD3\xAA\xC7\xF8"},  // "船营区"
    {220211, "\xB7\xE1\xC2\xFA\xC7\xF8"},  // "丰满区"
    {220221, "\xD3\xC0\xBC\xAA\xCF\xD8"},  // "永吉县"
    {220281, "\xF2\xD4\xBA\xD3\xCA\xD0"},  // "蛟河市"
    {220282, "\xE8\xEB\xB5\xE9\xCA\xD0"},  // "桦甸市"
    {220283, "\xCA\xE6\xC0\xBC\xCA\xD0"},  // "舒兰市"
    {220284, "\xC5\xCD\xCA\xAF\xCA\xD0"},  // "磐石市"
    {220300, "\xCB\xC4\xC6\xBD\xCA\xD0"},  // "四平市"
    {220301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {220302, "\xCC\xFA\xCE\xF7\xC7\xF8"},  // "铁西区"
    {220303, "\xCC\xFA\xB6\xAB\xC7\xF8"},  // "铁东区"
    {220322, "\xC0\xE6\xCA\xF7\xCF\xD8"},  // "梨树县"
    {220323, "\xD2\xC1\xCD\xA8\xC2\xFA\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "伊通满族自治县"
    {220381, "\xB9\xAB\xD6\xF7\xC1\xEB\xCA\xD0"},  // "公主岭市"
    {220382, "\xCB\xAB\xC1\xC9\xCA\xD0"},  // "双辽市"
    {220400, "\xC1\xC9\xD4\xB4\xCA\xD0"},  // "辽源市"
    {220401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {220402, "\xC1\xFA\xC9\xBD\xC7\xF8"},  // "龙山区"
    {220403, "\xCE\xF7\xB0\xB2\xC7\xF8"},  // "西安区"
    {220421, "\xB6\xAB\xB7\xE1\xCF\xD8"},  // "东丰县"
    {220422, "\xB6\xAB\xC1\xC9\xCF\xD8"},  // "东辽县"
    {220500, "\xCD\xA8\xBB\xAF\xCA\xD0"},  // "通化市"
    {220501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {220502, "\xB6\xAB\xB2\xFD\xC7\xF8"},  // "东昌区"
    {220503, "\xB6\xFE\xB5\xC0\xBD\xAD\xC7\xF8"},  // "二道江区"
    {220521, "\xCD\xA8\xBB\xAF\xCF\xD8"},  // "通化县"
    {220523, "\xBB\xD4\xC4\xCF\xCF\xD8"},  // "辉南县"
    {220524, "\xC1\xF8\xBA\xD3\xCF\xD8"},  // "柳河县"
    {220581, "\xC3\xB7\xBA\xD3\xBF\xDA\xCA\xD0"},  // "梅河口市"
    {220582, "\xBC\xAF\xB0\xB2\xCA\xD0"},  // "集安市"
    {220600, "\xB0\xD7\xC9\xBD\xCA\xD0"},  // "白山市"
    {220601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {220602, "\xB0\xCB\xB5\xC0\xBD\xAD\xC7\xF8"},  // "八道江区"
    {220605, "  \xBD\xAD\xD4\xB4\xC7\xF8"},  // "  江源区"
    {220621, "\xB8\xA7\xCB\xC9\xCF\xD8"},  // "抚松县"
    {220622, "\xBE\xB8\xD3\xEE\xCF\xD8"},  // "靖宇县"
    {220623, "\xB3\xA4\xB0\xD7\xB3\xAF\xCF\xCA\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "长白朝鲜族自治县"
    {220681, "\xC1\xD9\xBD\xAD\xCA\xD0"},  // "临江市"
    {220700, "\xCB\xC9\xD4\xAD\xCA\xD0"},  // "松原市"
    {220701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {220702, "\xC4\xFE\xBD\xAD\xC7\xF8"},  // "宁江区"
    {220721, "\xC7\xB0\xB9\xF9\xB6\xFB\xC2\xDE\xCB\xB9\xC3\xC9\xB9\xC5\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "前郭尔罗斯蒙古族自治县"
    {220722, "\xB3\xA4\xC1\xEB\xCF\xD8"},  // "长岭县"
    {220723, "\xC7\xAC\xB0\xB2\xCF\xD8"},  // "乾安县"
    {220724, "\xB7\xF6\xD3\xE0\xCF\xD8"},  // "扶余县"
    {220800, "\xB0\xD7\xB3\xC7\xCA\xD0"},  // "白城市"
    {220801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {220802, "\xE4\xAC\xB1\xB1\xC7\xF8"},  // "洮北区"
    {220821, "\xD5\xF2\xEA\xE3\xCF\xD8"},  // "镇赉县"
    {220822, "\xCD\xA8\xD3\xDC\xCF\xD8"},  // "通榆县"
    {220881, "\xE4\xAC\xC4\xCF\xCA\xD0"},  // "洮南市"
    {220882, "\xB4\xF3\xB0\xB2\xCA\xD0"},  // "大安市"
    {222400, "\xD1\xD3\xB1\xDF\xB3\xAF\xCF\xCA\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "延边朝鲜族自治州"
    {222401, "\xD1\xD3\xBC\xAA\xCA\xD0"},  // "延吉市"
    {222402, "\xCD\xBC\xC3\xC7\xCA\xD0"},  // "图们市"
    {222403, "\xB6\xD8\xBB\xAF\xCA\xD0"},  // "敦化市"
    {222404, "\xE7\xF5\xB4\xBA\xCA\xD0"},  // "珲春市"
    {222405, "\xC1\xFA\xBE\xAE\xCA\xD0"},  // "龙井市"
    {222406, "\xBA\xCD\xC1\xFA\xCA\xD0"},  // "和龙市"
    {222424, "\xCD\xF4\xC7\xE5\xCF\xD8"},  // "汪清县"
    {222426, "\xB0\xB2\xCD\xBC\xCF\xD8"},  // "安图县"
};
static constexpr const char* const jilinNamesUtf8[] = {
    u8"吉林省",
    u8"长春市",
    u8"市辖区",
    u8"南关区",
    u8"宽城区",
    u8"朝阳区",
    u8"二道区",
    u8"绿园区",
    u8"双阳区",
    u8"农安县",
    u8"九台市",
    u8"榆树市",
    u8"德惠市",
    u8"吉林市",
    u8"市辖区",
    u8"昌邑区",
    u8"龙潭区",
    u8"船营区",
    u8"丰满区",
    u8"永吉县",
    u8"蛟河市",
    u8"桦甸市",
    u8"舒兰市",
    u8"磐石市",
    u8"四平市",
    u8"市辖区",
    u8"铁西区",
    u8"铁东区",
    u8"梨树县",
    u8"伊通满族自治县",
    u8"公主岭市",
    u8"双辽市",
    u8"辽源市",
    u8"市辖区",
    u8"龙山区",
    u8"西安区",
    u8"东丰县",
    u8"东辽县",
    u8"通化市",
    u8"市辖区",
    u8"东昌区",
    u8"二道江区",
    u8"通化县",
    u8"辉南县",
    u8"柳河县",
    u8"梅河口市",
    u8"集安市",
    u8"白山市",
    u8"市辖区",
    u8"八道江区",
    u8"  江源区",
    u8"抚松县",
    u8"靖宇县",
    u8"长白朝鲜族自治县",
    u8"临江市",
    u8"松原市",
    u8"市辖区",
    u8"宁江区",
    u8"前郭尔罗斯蒙古族自治县",
    u8"长岭县",
    u8"乾安县",
    u8"扶余县",
    u8"白城市",
    u8"市辖区",
    u8"洮北区",
    u8"镇赉县",
    u8"通榆县",
    u8"洮南市",
    u8"大安市",
    u8"延边朝鲜族自治州",
    u8"延吉市",
    u8"图们市",
    u8"敦化市",
    u8"珲春市",
    u8"龙井市",
    u8"和龙市",
    u8"汪清县",
    u8"安图县",
};
static_assert(recordCount(jilinNamesUtf8) == recordCount(jilinRecords));
static constexpr ProvinceTable jilinTable = {jilinRecords, recordCount(jilinRecords), jilinNamesUtf8};

// 23 黑龙江省: 153 records, 13 city-level
static constexpr DivisionEntry heilongjiangRecords[] = {
    {230100, "\xB9\xFE\xB6\xFB\xB1\xF5\xCA\xD0"},  // "哈尔滨市"
    {230101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {230102, "\xB5\xC0\xC0\xEF\xC7\xF8"},  // "道里区"
    {230103, "\xC4\xCF\xB8\xDA\xC7\xF8"},  // "南岗区"
    {230104, "\xB5\xC0\xCD\xE2\xC7\xF8"},  // "道外区"
    {230108, "\xC6\xBD\xB7\xBF\xC7\xF8"},  // "平房区"
    {230109, "\xCB\xC9\xB1\xB1\xC7\xF8"},  // "松北区"
    {230110, "\xCF\xE3\xB7\xBB\xC7\xF8"},  // "香坊区"
    {230111, "\xBA\xF4\xC0\xBC\xC7\xF8"},  // "呼兰区"
    {230112, "\xB0\xA2\xB3\xC7\xC7\xF8"},  // "阿城区"
    {230123, "\xD2\xC0\xC0\xBC\xCF\xD8"},  // "依兰县"
    {230124, "\xB7\xBD\xD5\xFD\xCF\xD8"},  // "方正县"
    {230125, "\xB1\xF6\xCF\xD8"},  // "宾县"
    {230126, "\xB0\xCD\xD1\xE5\xCF\xD8"},  // "巴彦县"
    {230127, "\xC4\xBE\xC0\xBC\xCF\xD8"},  // "木兰县"
    {230128, "\xCD\xA8\xBA\xD3\xCF\xD8"},  // "通河县"
    {230129, "\xD1\xD3\xCA\xD9\xCF\xD8"},  // "延寿县"
    {230182, "\xCB\xAB\xB3\xC7\xCA\xD0"},  // "双城市"
    {230183, "\xC9\xD0\xD6\xBE\xCA\xD0"},  // "尚志市"
    {230184, "\xCE\xE5\xB3\xA3\xCA\xD0"},  // "五常市"
    {230200, "\xC6\xEB\xC6\xEB\xB9\xFE\xB6\xFB\xCA\xD0"},  // "齐齐哈尔市"
    {230201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {230202, "\xC1\xFA\xC9\xB3\xC7\xF8"},  // "龙沙区"
    {230203, "\xBD\xA8\xBB\xAA\xC7\xF8"},  // "建华区"
    {230204, "\xCC\xFA\xB7\xE6\xC7\xF8"},  // "铁锋区"
    {230205, "\xB0\xBA\xB0\xBA\xCF\xAA\xC7\xF8"},  // "昂昂溪区"
    {230206, "\xB8\xBB\xC0\xAD\xB6\xFB\xBB\xF9\xC7\xF8"},  // "富拉尔基区"
    {230207, "\xC4\xEB\xD7\xD3\xC9\xBD\xC7\xF8"},  // "碾子山区"
    {230208, "\xC3\xB7\xC0\xEF\xCB\xB9\xB4\xEF\xCE\xD3\xB6\xFB\xD7\xE5\xC7\xF8"},  // "梅里斯达斡尔族区"
    {230221, "\xC1\xFA\xBD\xAD\xCF\xD8"},  // "龙江县"
    {230223, "\xD2\xC0\xB0\xB2\xCF\xD8"},  // "依安县"
    {230224, "\xCC\xA9\xC0\xB4\xCF\xD8"},  // "泰来县"
    {230225, "\xB8\xCA\xC4\xCF\xCF\xD8"},  // "甘南县"
    {230227, "\xB8\xBB\xD4\xA3\xCF\xD8"},  // "富裕县"
    {230229, "\xBF\xCB\xC9\xBD\xCF\xD8"},  // "克山县"
    {230230, "\xBF\xCB\xB6\xAB\xCF\xD8"},  // "克东县"
    {230231, "\xB0\xDD\xC8\xAA\xCF\xD8"},  // "拜泉县"
    {230281, "\xDA\xAB\xBA\xD3\xCA\xD0"},  // "讷河市"
    {230300, "\xBC\xA6\xCE\xF7\xCA\xD0"},  // "鸡西市"
    {230301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {230302, "\xBC\xA6\xB9\xDA\xC7\xF8"},  // "鸡冠区"
    {230303, "\xBA\xE3\xC9\xBD\xC7\xF8"},  // "恒山区"
    {230304, "\xB5\xCE\xB5\xC0\xC7\xF8"},  // "滴道区"
    {230305, "\xC0\xE6\xCA\xF7\xC7\xF8"},  // "梨树区"
    {230306, "\xB3\xC7\xD7\xD3\xBA\xD3\xC7\xF8"},  // "城子河区"
    {230307, "\xC2\xE9\xC9\xBD\xC7\xF8"},  // "麻山区"
    {230321, "\xBC\xA6\xB6\xAB\xCF\xD8"},  // "鸡东县"
    {230381, "\xBB\xA2\xC1\xD6\xCA\xD0"},  // "虎林市"
    {230382, "\xC3\xDC\xC9\xBD\xCA\xD0"},  // "密山市"
    {230400, "\xBA\xD7\xB8\xDA\xCA\xD0"},  // "鹤岗市"
    {230401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {230402, "\xCF\xF2\xD1\xF4\xC7\xF8"},  // "向阳区"
    {230403, "\xB9\xA4\xC5\xA9\xC7\xF8"},  // "工农区"
    {230404, "\xC4\xCF\xC9\xBD\xC7\xF8"},  // "南山区"
    {230405, "\xD0\xCB\xB0\xB2\xC7\xF8"},  // "兴安区"
    {230406, "\xB6\xAB\xC9\xBD\xC7\xF8"},  // "东山区"
    {230407, "\xD0\xCB\xC9\xBD\xC7\xF8"},  // "兴山区"
    {230421, "\xC2\xDC\xB1\xB1\xCF\xD8"},  // "萝北县"
    {230422, "\xCB\xE7\xB1\xF5\xCF\xD8"},  // "绥滨县"
    {230500, "\xCB\xAB\xD1\xBC\xC9\xBD\xCA\xD0"},  // "双鸭山市"
    {230501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {230502, "\xBC\xE2\xC9\xBD\xC7\xF8"},  // "尖山区"
    {230503, "\xC1\xEB\xB6\xAB\xC7\xF8"},  // "岭东区"
    {230505, "\xCB\xC4\xB7\xBD\xCC\xA8\xC7\xF8"},  // "四方台区"
    {230506, "\xB1\xA6\xC9\xBD\xC7\xF8"},  // "宝山区"
    {230521, "\xBC\xAF\xCF\xCD\xCF\xD8"},  // "集贤县"
    {230522, "\xD3\xD1\xD2\xEA\xCF\xD8"},  // "友谊县"
    {230523, "\xB1\xA6\xC7\xE5\xCF\xD8"},  // "宝清县"
    {230524, "\xC8\xC4\xBA\xD3\xCF\xD8"},  // "饶河县"
    {230600, "\xB4\xF3\xC7\xEC\xCA\xD0"},  // "大庆市"
    {230601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {230602, "\xC8\xF8\xB6\xFB\xCD\xBC\xC7\xF8"},  // "萨尔图区"
    {230603, "\xC1\xFA\xB7\xEF\xC7\xF8"},  // "龙凤区"
    {230604, "\xC8\xC3\xBA\xFA\xC2\xB7\xC7\xF8"},  // "让胡路区"
    {230605, "\xBA\xEC\xB8\xDA\xC7\xF8"},  // "红岗区"
    {230606, "\xB4\xF3\xCD\xAC\xC7\xF8"},  // "大同区"
    {230621, "\xD5\xD8\xD6\xDD\xCF\xD8"},  // "肇州县"
    {230622, "\xD5\xD8\xD4\xB4\xCF\xD8"},  // "肇源县"
    {230623, "\xC1\xD6\xB5\xE9\xCF\xD8"},  // "林甸县"
    {230624, "\xB6\xC5\xB6\xFB\xB2\xAE\xCC\xD8\xC3\xC9\xB9\xC5\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "杜尔伯特蒙古族自治县"
    {230700, "\xD2\xC1\xB4\xBA\xCA\xD0"},  // "伊春市"
    {230701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {230702, "\xD2\xC1\xB4\xBA\xC7\xF8"},  // "伊春区"
    {230703, "\xC4\xCF\xB2\xED\xC7\xF8"},  // "南岔区"
    {230704, "\xD3\xD1\xBA\xC3\xC7\xF8"},  // "友好区"
    {230705, "\xCE\xF7\xC1\xD6\xC7\xF8"},  // "西林区"
    {230706, "\xB4\xE4\xC2\xCD\xC7\xF8"},  // "翠峦区"
    {230707, "\xD0\xC2\xC7\xE0\xC7\xF8"},  // "新青区"
    {230708, "\xC3\xC0\xCF\xAA\xC7\xF8"},  // "美溪区"
    {230709, "\xBD\xF0\xC9\xBD\xCD\xCD\xC7\xF8"},  // "金山屯区"
    {230710, "\xCE\xE5\xD3\xAA\xC7\xF8"},  // "五营区"
    {230711, "\xCE\xDA\xC2\xED\xBA\xD3\xC7\xF8"},  // "乌马河区"
    {230712, "\xCC\xC0\xCD\xFA\xBA\xD3\xC7\xF8"},  // "汤旺河区"
    {230713, "\xB4\xF8\xC1\xEB\xC7\xF8"},  // "带岭区"
    {230714, "\xCE\xDA\xD2\xC1\xC1\xEB\xC7\xF8"},  // "乌伊岭区"
    {230715, "\xBA\xEC\xD0\xC7\xC7\xF8"},  // "红星区"
    {230716, "\xC9\xCF\xB8\xCA\xC1\xEB\xC7\xF8"},  // "上甘岭区"
    {230722, "\xBC\xCE\xD2\xF1\xCF\xD8"},  // "嘉荫县"
    {230781, "\xCC\xFA\xC1\xA6\xCA\xD0"},  // "铁力市"
    {230800, "\xBC\xD1\xC4\xBE\xCB\xB9\xCA\xD0"},  // "佳木斯市"
    {230801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {230803, "\xCF\xF2\xD1\xF4\xC7\xF8"},  // "向阳区"
    {230804, "\xC7\xB0\xBD\xF8\xC7\xF8"},  // "前进区"
    {230805, "\xB6\xAB\xB7\xE7\xC7\xF8"},  // "东风区"
    {230811, "\xBD\xBC\xC7\xF8"},  // "郊区"
    {230822, "\xE8\xEB\xC4\xCF\xCF\xD8"},  // "桦南县"
    {230826, "\xE8\xEB\xB4\xA8\xCF\xD8"},  // "桦川县"
    {230828, "\xCC\xC0\xD4\xAD\xCF\xD8"},  // "汤原县"
    {230833, "\xB8\xA7\xD4\xB6\xCF\xD8"},  // "抚远县"
    {230881, "\xCD\xAC\xBD\xAD\xCA\xD0"},  // "同江市"
    {230882, "\xB8\xBB\xBD\xF5\xCA\xD0"},  // "富锦市"
    {230900, "\xC6\xDF\xCC\xA8\xBA\xD3\xCA\xD0"},  // "七台河市"
    {230901, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {230902, "\xD0\xC2\xD0\xCB\xC7\xF8"},  // "新兴区"
    {230903, "\xCC\xD2\xC9\xBD\xC7\xF8"},  // "桃山区"
    {230904, "\xC7\xD1\xD7\xD3\xBA\xD3\xC7\xF8"},  // "茄子河区"
    {230921, "\xB2\xAA\xC0\xFB\xCF\xD8"},  // "勃利县"
    {231000, "\xC4\xB5\xB5\xA4\xBD\xAD\xCA\xD0"},  // "牡丹江市"
    {231001, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {231002, "\xB6\xAB\xB0\xB2\xC7\xF8"},  // "东安区"
    {231003, "\xD1\xF4\xC3\xF7\xC7\xF8"},  // "阳明区"
    {231004, "\xB0\xAE\xC3\xF1\xC7\xF8"},  // "爱民区"
    {231005, "\xCE\xF7\xB0\xB2\xC7\xF8"},  // "西安区"
    {231024, "\xB6\xAB\xC4\xFE\xCF\xD8"},  // "东宁县"
    {231025, "\xC1\xD6\xBF\xDA\xCF\xD8"},  // "林口县"
    {231081, "\xCB\xE7\xB7\xD2\xBA\xD3\xCA\xD0"},  // "绥芬河市"
    {231083, "\xBA\xA3\xC1\xD6\xCA\xD0"},  // "海林市"
    {231084, "\xC4\xFE\xB0\xB2\xCA\xD0"},  // "宁安市"
    {231085, "\xC4\xC2\xC0\xE2\xCA\xD0"},  // "穆棱市"
    {231100, "\xBA\xDA\xBA\xD3\xCA\xD0"},  // "黑河市"
    {231101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {231102, "\xB0\xAE\xBB\xD4\xC7\xF8"},  // "爱辉区"
    {231121, "\xC4\xDB\xBD\xAD\xCF\xD8"},  // "嫩江县"
    {231123, "\xD1\xB7\xBF\xCB\xCF\xD8"},  // "逊克县"
    {231124, "\xCB\xEF\xCE\xE2\xCF\xD8"},  // "孙吴县"
    {231181, "\xB1\xB1\xB0\xB2\xCA\xD0"},  // "北安市"
    {231182, "\xCE\xE5\xB4\xF3\xC1\xAC\xB3\xD8\xCA\xD0"},  // "五大连池市"
    {231200, "\xCB\xE7\xBB\xAF\xCA\xD0"},  // "绥化市"
    {231201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {231202, "\xB1\xB1\xC1\xD6\xC7\xF8"},  // "北林区"
    {231221, "\xCD\xFB\xBF\xFC\xCF\xD8"},  // "望奎县"
    {231222, "\xC0\xBC\xCE\xF7\xCF\xD8"},  // "兰西县"
    {231223, "\xC7\xE0\xB8\xD4\xCF\xD8"},  // "青冈县"
    {231224, "\xC7\xEC\xB0\xB2\xCF\xD8"},  // "庆安县"
    {231225, "\xC3\xF7\xCB\xAE\xCF\xD8"},  // "明水县"
    {231226, "\xCB\xE7\xC0\xE2\xCF\xD8"},  // "绥棱县"
    {231281, "\xB0\xB2\xB4\xEF\xCA\xD0"},  // "安达市"
    {231282, "\xD5\xD8\xB6\xAB\xCA\xD0"},  // "肇东市"
    {231283, "\xBA\xA3\xC2\xD7\xCA\xD0"},  // "海伦市"
    {232700, "\xB4\xF3\xD0\xCB\xB0\xB2\xC1\xEB\xB5\xD8\xC7\xF8"},  // "大兴安岭地区"
    {232721, "\xBA\xF4\xC2\xEA\xCF\xD8"},  // "呼玛县"
    {232722, "\xCB\xFE\xBA\xD3\xCF\xD8"},  // "塔河县"
    {232723, "\xC4\xAE\xBA\xD3\xCF\xD8"},  // "漠河县"
};
static constexpr const char* const heilongjiangNamesUtf8[] = {
    u8"哈尔滨市",
    u8"市辖区",
    u8"道里区",
    u8"南岗区",
    u8"道外区",
    u8"平房区",
    u8"松北区",
    u8"香坊区",
    u8"呼兰区",
    u8"阿城区",
    u8"依兰县",
    u8"方正县",
    u8"宾县",
    u8"巴彦县",
    u8"木兰县",
    u8"通河县",
    u8"延寿县",
    u8"双城市",
    u8"尚志市",
    u8"五常市",
    u8"齐齐哈尔市",
    u8"市辖区",
    u8"龙沙区",
    u8"建华区",
    u8"铁锋区",
    u8"昂昂溪区",
    u8"富拉尔基区",
    u8"碾子山区",
    u8"梅里斯达斡尔族区",
    u8"龙江县",
    u8"依安县",
    u8"泰来县",
    u8"甘南县",
    u8"富裕县",
    u8"克山县",
    u8"克东县",
    u8"拜泉县",
    u8"讷河市",
    u8"鸡西市",
    u8"市辖区",
    u8"鸡冠区",
    u8"恒山区",
    u8"滴道区",
    u8"梨树区",
    u8"城子河区",
    u8"麻山区",
    u8"鸡东县",
    u8"虎林市",
    u8"密山市",
    u8"鹤岗市",
    u8"市辖区",
    u8"向阳区",
    u8"工农区",
    u8"南山区",
    u8"兴安区",
    u8"东山区",
    u8"兴山区",
    u8"萝北县",
    u8"绥滨县",
    u8"双鸭山市",
    u8"市辖区",
    u8"尖山区",
    u8"岭东区",
    u8"四方台区",
    u8"宝山区",
    u8"集贤县",
    u8"友谊县",
    u8"宝清县",
    u8"饶河县",
    u8"大庆市",
    u8"市辖区",
    u8"萨尔图区",
    u8"龙凤区",
    u8"让胡路区",
    u8"红岗区",
    u8"大同区",
    u8"肇州县",
    u8"肇源县",
    u8"林甸县",
    u8"杜尔伯特蒙古族自治县",
    u8"伊春市",
    u8"市辖区",
    u8"伊春区",
    u8"南岔区",
    u8"友好区",
    u8"西林区",
    u8"翠峦区",
    u8"新青区",
    u8"美溪区",
    u8"金山屯区",
    u8"五营区",
    u8"乌马河区",
    u8"汤旺河区",
    u8"带岭区",
    u8"乌伊岭区",
    u8"红星区",
    u8"上甘岭区",
    u8"嘉荫县",
    u8"铁力市",
    u8"佳木斯市",
    u8"市辖区",
    u8"向阳区",
    u8"前进区",
    u8"东风区",
    u8"郊区",
    u8"桦南县",
    u8"桦川县",
    u8"汤原县",
    u8"抚远县",
    u8"同江市",
    u8"富锦市",
    u8"七台河市",
    u8"市辖区",
    u8"新兴区",
    u8"桃山区",
    u8"茄子河区",
    u8"勃利县",
    u8"牡丹江市",
    u8"市辖区",
    u8"东安区",
    u8"阳明区",
    u8"爱民区",
    u8"西安区",
    u8"东宁县",
    u8"林口县",
    u8"绥芬河市",
    u8"海林市",
    u8"宁安市",
    u8"穆棱市",
    u8"黑河市",
    u8"市辖区",
    u8"爱辉区",
    u8"嫩江县",
    u8"逊克县",
    u8"孙吴县",
    u8"北安市",
    u8"五大连池市",
    u8"绥化市",
    u8"市辖区",
    u8"北林区",
    u8"望奎县",
    u8"兰西县",
    u8"青冈县",
    u8"庆安县",
    u8"明水县",
    u8"绥棱县",
    u8"安达市",
    u8"肇东市",
    u8"海伦市",
    u8"大兴安岭地区",
    u8"呼玛县",
    u8"塔河县",
    u8"漠河县",
};
static_assert(recordCount(heilongjiangNamesUtf8) == recordCount(heilongjiangRecords));
static constexpr ProvinceTable heilongjiangTable = {heilongjiangRecords, recordCount(heilongjiangRecords), heilongjiangNamesUtf8};

// 32 江苏省: 132 records, 13 city-level
static constexpr DivisionEntry jiangsuRecords[] = {
    {320100, "\xC4\xCF\xBE\xA9\xCA\xD0"},  // "南京市"
    {320101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {320102, "\xD0\xFE\xCE\xE4\xC7\xF8"},  // "玄武区"
    {320103, "\xB0\xD7\xCF\xC2\xC7\xF8"},  // "白下区"
    {320104, "\xC7\xD8\xBB\xB4\xC7\xF8"},  // "秦淮区"
    {320105, "\xBD\xA8\xDA\xFE\xC7\xF8"},  // "建邺区"
    {320106, "\xB9\xC4\xC2\xA5\xC7\xF8"},  // "鼓楼区"
    {320107, "\xCF\xC2\xB9\xD8\xC7\xF8"},  // "下关区"
    {320111, "\xC6\xD6\xBF\xDA\xC7\xF8"},  // "浦口区"
    {320113, "\xC6\xDC\xCF\xBC\xC7\xF8"},  // "栖霞区"
    {320114, "\xD3\xEA\xBB\xA8\xCC\xA8\xC7\xF8"},  // "雨花台区"
    {320115, "\xBD\xAD\xC4\xFE\xC7\xF8"},  // "江宁区"
    {320116, "\xC1\xF9\xBA\xCF\xC7\xF8"},  // "六合区"
    {320124, "\xE4\xE0\xCB\xAE\xCF\xD8"},  // "溧水县"
    {320125, "\xB8\xDF\xB4\xBE\xCF\xD8"},  // "高淳县"
    {320200, "\xCE\xDE\xCE\xFD\xCA\xD0"},  // "无锡市"
    {320201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {320202, "\xB3\xE7\xB0\xB2\xC7\xF8"},  // "崇安区"
    {320203, "\xC4\xCF\xB3\xA4\xC7\xF8"},  // "南长区"
    {320204, "\xB1\xB1\xCC\xC1\xC7\xF8"},  // "北塘区"
    {320205, "\xCE\xFD\xC9\xBD\xC7\xF8"},  // "锡山区"
    {320206, "\xBB\xDD\xC9\xBD\xC7\xF8"},  // "惠山区"
    {320211, "\xB1\xF5\xBA\xFE\xC7\xF8"},  // "滨湖区"
    {320281, "\xBD\xAD\xD2\xF5\xCA\xD0"},  // "江阴市"
    {320282, "\xD2\xCB\xD0\xCB\xCA\xD0"},  // "宜兴市"
    {320300, "\xD0\xEC\xD6\xDD\xCA\xD0"},  // "徐州市"
    {320301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {320302, "\xB9\xC4\xC2\xA5\xC7\xF8"},  // "鼓楼区"
    {320303, "\xD4\xC6\xC1\xFA\xC7\xF8"},  // "云龙区"
    {320304, "\xBE\xC5\xC0\xEF\xC7\xF8"},  // "九里区"
    {320305, "\xBC\xD6\xCD\xF4\xC7\xF8"},  // "贾汪区"
    {320311, "\xC8\xAA\xC9\xBD\xC7\xF8"},  // "泉山区"
    {320321, "\xB7\xE1\xCF\xD8"},  // "丰县"
    {320322, "\xC5\xE6\xCF\xD8"},  // "沛县"
    {320323, "\xCD\xAD\xC9\xBD\xCF\xD8"},  // "铜山县"
    {320324, "\xEE\xA1\xC4\xFE\xCF\xD8"},  // "睢宁县"
    {320381, "\xD0\xC2\xD2\xCA\xCA\xD0"},  // "新沂市"
    {320382, "\xDA\xFC\xD6\xDD\xCA\xD0"},  // "邳州市"
    {320400, "\xB3\xA3\xD6\xDD\xCA\xD0"},  // "常州市"
    {320401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {320402, "\xCC\xEC\xC4\xFE\xC7\xF8"},  // "天宁区"
    {320404, "\xD6\xD3\xC2\xA5\xC7\xF8"},  // "钟楼区"
    {320405, "\xC6\xDD\xCA\xFB\xD1\xDF\xC7\xF8"},  // "戚墅堰区"
    {320411, "\xD0\xC2\xB1\xB1\xC7\xF8"},  // "新北区"
    {320412, "\xCE\xE4\xBD\xF8\xC7\xF8"},  // "武进区"
    {320481, "\xE4\xE0\xD1\xF4\xCA\xD0"},  // "溧阳市"
    {320482, "\xBD\xF0\xCC\xB3\xCA\xD0"},  // "金坛市"
    {320500, "\xCB\xD5\xD6\xDD\xCA\xD0"},  // "苏州市"
    {320501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {320502, "\xB2\xD7\xC0\xCB\xC7\xF8"},  // "沧浪区"
    {320503, "\xC6\xBD\xBD\xAD\xC7\xF8"},  // "平江区"
    {320504, "\xBD\xF0\xE3\xD1\xC7\xF8"},  // "金阊区"
    {320505, "\xBB\xA2\xC7\xF0\xC7\xF8"},  // "虎丘区"
    {320506, "\xCE\xE2\xD6\xD0\xC7\xF8"},  // "吴中区"
    {320507, "\xCF\xE0\xB3\xC7\xC7\xF8"},  // "相城区"
    {320581, "\xB3\xA3\xCA\xEC\xCA\xD0"},  // "常熟市"
    {320582, "\xD5\xC5\xBC\xD2\xB8\xDB\xCA\xD0"},  // "张家港市"
    {320583, "\xC0\xA5\xC9\xBD\xCA\xD0"},  // "昆山市"
    {320584, "\xCE\xE2\xBD\xAD\xCA\xD0"},  // "吴江市"
    {320585, "\xCC\xAB\xB2\xD6\xCA\xD0"},  // "太仓市"
    {320600, "\xC4\xCF\xCD\xA8\xCA\xD0"},  // "南通市"
    {320601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {320602, "\xB3\xE7\xB4\xA8\xC7\xF8"},  // "崇川区"
    {320611, "\xB8\xDB\xD5\xA2\xC7\xF8"},  // "港闸区"
    {320612, "\xCD\xA8\xD6\xDD\xC7\xF8"},  // "通州区"
    {320621, "\xBA\xA3\xB0\xB2\xCF\xD8"},  // "海安县"
    {320623, "\xC8\xE7\xB6\xAB\xCF\xD8"},  // "如东县"
    {320681, "\xC6\xF4\xB6\xAB\xCA\xD0"},  // "启东市"
    {320682, "\xC8\xE7\xB8\xDE\xCA\xD0"},  // "如皋市"
    {320684, "\xBA\xA3\xC3\xC5\xCA\xD0"},  // "海门市"
    {320700, "\xC1\xAC\xD4\xC6\xB8\xDB\xCA\xD0"},  // "连云港市"
    {320701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {320703, "\xC1\xAC\xD4\xC6\xC7\xF8"},  // "连云区"
    {320705, "\xD0\xC2\xC6\xD6\xC7\xF8"},  // "新浦区"
    {320706, "\xBA\xA3\xD6\xDD\xC7\xF8"},  // "海州区"
    {320721, "\xB8\xD3\xD3\xDC\xCF\xD8"},  // "赣榆县"
    {320722, "\xB6\xAB\xBA\xA3\xCF\xD8"},  // "东海县"
    {320723, "\xB9\xE0\xD4\xC6\xCF\xD8"},  // "灌云县"
    {320724, "\xB9\xE0\xC4\xCF\xCF\xD8"},  // "灌南县"
    {320800, "\xBB\xB4\xB0\xB2\xCA\xD0"},  // "淮安市"
    {320801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {320802, "\xC7\xE5\xBA\xD3\xC7\xF8"},  // "清河区"
    {320803, "\xB3\xFE\xD6\xDD\xC7\xF8"},  // "楚州区"
    {320804, "\xBB\xB4\xD2\xF5\xC7\xF8"},  // "淮阴区"
    {320811, "\xC7\xE5\xC6\xD6\xC7\xF8"},  // "清浦区"
    {320826, "\xC1\xB0\xCB\xAE\xCF\xD8"},  // "涟水县"
    {320829, "\xBA\xE9\xD4\xF3\xCF\xD8"},  // "洪泽县"
    {320830, "\xED\xEC\xED\xF4\xCF\xD8"},  // "盱眙县"
    {320831, "\xBD\xF0\xBA\xFE\xCF\xD8"},  // "金湖县"
    {320900, "\xD1\xCE\xB3\xC7\xCA\xD0"},  // "盐城市"
    {320901, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {320902, "\xCD\xA4\xBA\xFE\xC7\xF8"},  // "亭湖区"
    {320903, "\xD1\xCE\xB6\xBC\xC7\xF8"},  // "盐都区"
    {320921, "\xCF\xEC\xCB\xAE\xCF\xD8"},  // "响水县"
    {320922, "\xB1\xF5\xBA\xA3\xCF\xD8"},  // "滨海县"
    {320923, "\xB8\xB7\xC4\xFE\xCF\xD8"},  // "阜宁县"
    {320924, "\xC9\xE4\xD1\xF4\xCF\xD8"},  // "射阳县"
    {320925, "\xBD\xA8\xBA\xFE\xCF\xD8"},  // "建湖县"
    {320981, "\xB6\xAB\xCC\xA8\xCA\xD0"},  // "东台市"
    {320982, "\xB4\xF3\xB7\xE1\xCA\xD0"},  // "大丰市"
    {321000, "\xD1\xEF\xD6\xDD\xCA\xD0"},  // "扬州市"
    {321001, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {321002, "\xB9\xE3\xC1\xEA\xC7\xF8"},  // "广陵区"
    {321003, "\xDA\xF5\xBD\xAD\xC7\xF8"},  // "邗江区"
    {321011, "\xCE\xAC\xD1\xEF\xC7\xF8"},  // "维扬区"
    {321023, "\xB1\xA6\xD3\xA6\xCF\xD8"},  // "宝应县"
    {321081, "\xD2\xC7\xD5\xF7\xCA\xD0"},  // "仪征市"
    {321084, "\xB8\xDF\xD3\xCA\xCA\xD0"},  // "高邮市"
    {321088, "\xBD\xAD\xB6\xBC\xCA\xD0"},  // "江都市"
    {321100, "\xD5\xF2\xBD\xAD\xCA\xD0"},  // "镇江市"
    {321101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {321102, "\xBE\xA9\xBF\xDA\xC7\xF8"},  // "京口区"
    {321111, "\xC8\xF3\xD6\xDD\xC7\xF8"},  // "润州区"
    {321112, "\xB5\xA4\xCD\xBD\xC7\xF8"},  // "丹徒区"
    {321181, "\xB5\xA4\xD1\xF4\xCA\xD0"},  // "丹阳市"
    {321182, "\xD1\xEF\xD6\xD0\xCA\xD0"},  // "扬中市"
    {321183, "\xBE\xE4\xC8\xDD\xCA\xD0"},  // "句容市"
    {321200, "\xCC\xA9\xD6\xDD\xCA\xD0"},  // "泰州市"
    {321201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {321202, "\xBA\xA3\xC1\xEA\xC7\xF8"},  // "海陵区"
    {321203, "\xB8\xDF\xB8\xDB\xC7\xF8"},  // "高港区"
    {321281, "\xD0\xCB\xBB\xAF\xCA\xD0"},  // "兴化市"
    {321282, "\xBE\xB8\xBD\xAD\xCA\xD0"},  // "靖江市"
    {321283, "\xCC\xA9\xD0\xCB\xCA\xD0"},  // "泰兴市"
    {321284, "\xBD\xAA\xD1\xDF\xCA\xD0"},  // "姜堰市"
    {321300, "\xCB\xDE\xC7\xA8\xCA\xD0"},  // "宿迁市"
    {321301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {321302, "\xCB\xDE\xB3\xC7\xC7\xF8"},  // "宿城区"
    {321311, "\xCB\xDE\xD4\xA5\xC7\xF8"},  // "宿豫区"
    {321322, "\xE3\xF0\xD1\xF4\xCF\xD8"},  // "沭阳县"
    {321323, "\xE3\xF4\xD1\xF4\xCF\xD8"},  // "泗阳县"
    {321324, "\xE3\xF4\xBA\xE9\xCF\xD8"},  // "泗洪县"
};
static constexpr const char* const jiangsuNamesUtf8[] = {
    u8"南京市",
    u8"市辖区",
    u8"玄武区",
    u8"白下区",
    u8"秦淮区",
    u8"建邺区",
    u8"鼓楼区",
    u8"下关区",
    u8"浦口区",
    u8"栖霞区",
    u8"雨花台区",
    u8"江宁区",
    u8"六合区",
    u8"溧水县",
    u8"高淳县",
    u8"无锡市",
    u8"市辖区",
    u8"崇安区",
    u8"南长区",
    u8"北塘区",
    u8"锡山区",
    u8"惠山区",
    u8"滨湖区",
    u8"江阴市",
    u8"宜兴市",
    u8"徐州市",
    u8"市辖区",
    u8"鼓楼区",
    u8"云龙区",
    u8"九里区",
    u8"贾汪区",
    u8"泉山区",
    u8"丰县",
    u8"沛县",
    u8"铜山县",
    u8"睢宁县",
    u8"新沂市",
    u8"邳州市",
    u8"常州市",
    u8"市辖区",
    u8"天宁区",
    u8"钟楼区",
    u8"戚墅堰区",
    u8"新北区",
    u8"武进区",
    u8"溧阳市",
    u8"金坛市",
    u8"苏州市",
    u8"市辖区",
    u8"沧浪区",
    u8"平江区",
    u8"金阊区",
    u8"虎丘区",
    u8"吴中区",
    u8"相城区",
    u8"常熟市",
    u8"张家港市",
    u8"昆山市",
    u8"吴江市",
    u8"太仓市",
    u8"南通市",
    u8"市辖区",
    u8"崇川区",
    u8"港闸区",
    u8"通州区",
    u8"海安县",
    u8"如东县",
    u8"启东市",
    u8"如皋市",
    u8"海门市",
    u8"连云港市",
    u8"市辖区",
    u8"连云区",
    u8"新浦区",
    u8"海州区",
    u8"赣榆县",
    u8"东海县",
    u8"灌云县",
    u8"灌南县",
    u8"淮安市",
    u8"市辖区",
    u8"清河区",
    u8"楚州区",
    u8"淮阴区",
    u8"清浦区",
    u8"涟水县",
    u8"洪泽县",
    u8"盱眙县",
    u8"金湖县",
    u8"盐城市",
    u8"市辖区",
    u8"亭湖区",
    u8"盐都区",
    u8"响水县",
    u8"滨海县",
    u8"阜宁县",
    u8"射阳县",
    u8"建湖县",
    u8"东台市",
    u8"大丰市",
    u8"扬州市",
    u8"市辖区",
    u8"广陵区",
    u8"邗江区",
    u8"维扬区",
    u8"宝应县",
    u8"仪征市",
    u8"高邮市",
    u8"江都市",
    u8"镇江市",
    u8"市辖区",
    u8"京口区",
    u8"润州区",
    u8"丹徒区",
    u8"丹阳市",
    u8"扬中市",
    u8"句容市",
    u8"泰州市",
    u8"市辖区",
    u8"海陵区",
    u8"高港区",
    u8"兴化市",
    u8"靖江市",
    u8"泰兴市",
    u8"姜堰市",
    u8"宿迁市",
    u8"市辖区",
    u8"宿城区",
    u8"宿豫区",
    u8"沭阳县",
    u8"泗阳县",
    u8"泗洪县",
};
static_assert(recordCount(jiangsuNamesUtf8) == recordCount(jiangsuRecords));
static constexpr ProvinceTable jiangsuTable = {jiangsuRecords, recordCount(jiangsuRecords), jiangsuNamesUtf8};

// 33 浙江省: 112 records, 11 city-level
static constexpr DivisionEntry zhejiangRecords[] = {
    {330100, "\xBA\xBC\xD6\xDD\xCA\xD0"},  // "杭州市"
    {330101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {330102, "\xC9\xCF\xB3\xC7\xC7\xF8"},  // "上城区"
    {330103, "\xCF\xC2\xB3\xC7\xC7\xF8"},  // "下城区"
    {330104, "\xBD\xAD\xB8\xC9\xC7\xF8"},  // "江干区"
    {330105, "\xB9\xB0\xCA\xFB\xC7\xF8"},  // "拱墅区"
    {330106, "\xCE\xF7\xBA\xFE\xC7\xF8"},  // "西湖区"
    {330108, "\xB1\xF5\xBD\xAD\xC7\xF8"},  // "滨江区"
    {330109, "\xCF\xF4\xC9\xBD\xC7\xF8"},  // "萧山区"
    {330110, "\xD3\xE0\xBA\xBC\xC7\xF8"},  // "余杭区"
    {330122, "\xCD\xA9\xC2\xAE\xCF\xD8"},  // "桐庐县"
    {330127, "\xB4\xBE\xB0\xB2\xCF\xD8"},  // "淳安县"
    {330182, "\xBD\xA8\xB5\xC2\xCA\xD0"},  // "建德市"
    {330183, "\xB8\xBB\xD1\xF4\xCA\xD0"},  // "富阳市"
    {330185, "\xC1\xD9\xB0\xB2\xCA\xD0"},  // "临安市"
    {330200, "\xC4\xFE\xB2\xA8\xCA\xD0"},  // "宁波市"
    {330201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {330203, "\xBA\xA3\xCA\xEF\xC7\xF8"},  // "海曙区"
    {330204, "\xBD\xAD\xB6\xAB\xC7\xF8"},  // "江东区"
    {330205, "\xBD\xAD\xB1\xB1\xC7\xF8"},  // "江北区"
    {330206, "\xB1\xB1\xC2\xD8\xC7\xF8"},  // "北仑区"
    {330211, "\xD5\xF2\xBA\xA3\xC7\xF8"},  // "镇海区"
    {330212, "\xDB\xB4\xD6\xDD\xC7\xF8"},  // "鄞州区"
    {330225, "\xCF\xF3\xC9\xBD\xCF\xD8"},  // "象山县"
    {330226, "\xC4\xFE\xBA\xA3\xCF\xD8"},  // "宁海县"
    {330281, "\xD3\xE0\xD2\xA6\xCA\xD0"},  // "余姚市"
    {330282, "\xB4\xC8\xCF\xAA\xCA\xD0"},  // "慈溪市"
    {330283, "\xB7\xEE\xBB\xAF\xCA\xD0"},  // "奉化市"
    {330300, "\xCE\xC2\xD6\xDD\xCA\xD0"},  // "温州市"
    {330301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {330302, "\xC2\xB9\xB3\xC7\xC7\xF8"},  // "鹿城区"
    {330303, "\xC1\xFA\xCD\xE5\xC7\xF8"},  // "龙湾区"
    {330304, "\xEA\xB1\xBA\xA3\xC7\xF8"},  // "瓯海区"
    {330322, "\xB6\xB4\xCD\xB7\xCF\xD8"},  // "洞头县"
    {330324, "\xD3\xC0\xBC\xCE\xCF\xD8"},  // "永嘉县"
    {330326, "\xC6\xBD\xD1\xF4\xCF\xD8"},  // "平阳县"
    {330327, "\xB2\xD4\xC4\xCF\xCF\xD8"},  // "苍南县"
    {330328, "\xCE\xC4\xB3\xC9\xCF\xD8"},  // "文成县"
    {330329, "\xCC\xA9\xCB\xB3\xCF\xD8"},  // "泰顺县"
    {330381, "\xC8\xF0\xB0\xB2\xCA\xD0"},  // "瑞安市"
    {330382, "\xC0\xD6\xC7\xE5\xCA\xD0"},  // "乐清市"
    {330400, "\xBC\xCE\xD0\xCB\xCA\xD0"},  // "嘉兴市"
    {330401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {330402, "\xC4\xCF\xBA\xFE\xC7\xF8"},  // "南湖区"
    {330411, "\xD0\xE3\xD6\xDE\xC7\xF8"},  // "秀洲区"
    {330421, "\xBC\xCE\xC9\xC6\xCF\xD8"},  // "嘉善县"
    {330424, "\xBA\xA3\xD1\xCE\xCF\xD8"},  // "海盐县"
    {330481, "\xBA\xA3\xC4\xFE\xCA\xD0"},  // "海宁市"
    {330482, "\xC6\xBD\xBA\xFE\xCA\xD0"},  // "平湖市"
    {330483, "\xCD\xA9\xCF\xE7\xCA\xD0"},  // "桐乡市"
    {330500, "\xBA\xFE\xD6\xDD\xCA\xD0"},  // "湖州市"
    {330501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {330502, "\xCE\xE2\xD0\xCB\xC7\xF8"},  // "吴兴区"
    {330503, "\xC4\xCF\xE4\xB1\xC7\xF8"},  // "南浔区"
    {330521, "\xB5\xC2\xC7\xE5\xCF\xD8"},  // "德清县"
    {330522, "\xB3\xA4\xD0\xCB\xCF\xD8"},  // "长兴县"
    {330523, "\xB0\xB2\xBC\xAA\xCF\xD8"},  // "安吉县"
    {330600, "\xC9\xDC\xD0\xCB\xCA\xD0"},  // "绍兴市"
    {330601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {330602, "\xD4\xBD\xB3\xC7\xC7\xF8"},  // "越城区"
    {330621, "\xC9\xDC\xD0\xCB\xCF\xD8"},  // "绍兴县"
    {330624, "\xD0\xC2\xB2\xFD\xCF\xD8"},  // "新昌县"
    {330681, "\xD6\xEE\xF4\xDF\xCA\xD0"},  // "诸暨市"
    {330682, "\xC9\xCF\xD3\xDD\xCA\xD0"},  // "上虞市"
    {330683, "\xE1\xD3\xD6\xDD\xCA\xD0"},  // "嵊州市"
    {330700, "\xBD\xF0\xBB\xAA\xCA\xD0"},  // "金华市"
    {330701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {330702, "\xE6\xC4\xB3\xC7\xC7\xF8"},  // "婺城区"
    {330703, "\xBD\xF0\xB6\xAB\xC7\xF8"},  // "金东区"
    {330723, "\xCE\xE4\xD2\xE5\xCF\xD8"},  // "武义县"
    {330726, "\xC6\xD6\xBD\xAD\xCF\xD8"},  // "浦江县"
    {330727, "\xC5\xCD\xB0\xB2\xCF\xD8"},  // "磐安县"
    {330781, "\xC0\xBC\xCF\xAA\xCA\xD0"},  // "兰溪市"
    {330782, "\xD2\xE5\xCE\xDA\xCA\xD0"},  // "义乌市"
    {330783, "\xB6\xAB\xD1\xF4\xCA\xD0"},  // "东阳市"
    {330784, "\xD3\xC0\xBF\xB5\xCA\xD0"},  // "永康市"
    {330800, "\xE1\xE9\xD6\xDD\xCA\xD0"},  // "衢州市"
    {330801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {330802, "\xBF\xC2\xB3\xC7\xC7\xF8"},  // "柯城区"
    {330803, "\xE1\xE9\xBD\xAD\xC7\xF8"},  // "衢江区"
    {330822, "\xB3\xA3\xC9\xBD\xCF\xD8"},  // "常山县"
    {330824, "\xBF\xAA\xBB\xAF\xCF\xD8"},  // "开化县"
    {330825, "\xC1\xFA\xD3\xCE\xCF\xD8"},  // "龙游县"
    {330881, "\xBD\xAD\xC9\xBD\xCA\xD0"},  // "江山市"
    {330900, "\xD6\xDB\xC9\xBD\xCA\xD0"},  // "舟山市"
    {330901, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {330902, "\xB6\xA8\xBA\xA3\xC7\xF8"},  // "定海区"
    {330903, "\xC6\xD5\xCD\xD3\xC7\xF8"},  // "普陀区"
    {330921, "\xE1\xB7\xC9\xBD\xCF\xD8"},  // "岱山县"
    {330922, "\xE1\xD3\xE3\xF4\xCF\xD8"},  // "嵊泗县"
    {331000, "\xCC\xA8\xD6\xDD\xCA\xD0"},  // "台州市"
    {331001, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {331002, "\xBD\xB7\xBD\xAD\xC7\xF8"},  // "椒江区"
    {331003, "\xBB\xC6\xD1\xD2\xC7\xF8"},  // "黄岩区"
    {331004, "\xC2\xB7\xC7\xC5\xC7\xF8"},  // "路桥区"
    {331021, "\xD3\xF1\xBB\xB7\xCF\xD8"},  // "玉环县"
    {331022, "\xC8\xFD\xC3\xC5\xCF\xD8"},  // "三门县"
    {331023, "\xCC\xEC\xCC\xA8\xCF\xD8"},  // "天台县"
    {331024, "\xCF\xC9\xBE\xD3\xCF\xD8"},  // "仙居县"
    {331081, "\xCE\xC2\xC1\xEB\xCA\xD0"},  // "温岭市"
    {331082, "\xC1\xD9\xBA\xA3\xCA\xD0"},  // "临海市"
    {331100, "\xC0\xF6\xCB\xAE\xCA\xD0"},  // "丽水市"
    {331101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {331102, "\xC1\xAB\xB6\xBC\xC7\xF8"},  // "莲都区"
    {331121, "\xC7\xE0\xCC\xEF\xCF\xD8"},  // "青田县"
    {331122, "\xE7\xC6\xD4\xC6\xCF\xD8"},  // "缙云县"
    {331123, "\xCB\xEC\xB2\xFD\xCF\xD8"},  // "遂昌县"
    {331124, "\xCB\xC9\xD1\xF4\xCF\xD8"},  // "松阳县"
    {331125, "\xD4\xC6\xBA\xCD\xCF\xD8"},  // "云和县"
    {331126, "\xC7\xEC\xD4\xAA\xCF\xD8"},  // "庆元县"
    {331127, "\xBE\xB0\xC4\xFE\xEE\xB4\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "景宁畲族自治县"
    {331181, "\xC1\xFA\xC8\xAA\xCA\xD0"},  // "龙泉市"
};
static constexpr const char* const zhejiangNamesUtf8[] = {
    u8"杭州市",
    u8"市辖区",
    u8"上城区",
    u8"下城区",
    u8"江干区",
    u8"拱墅区",
    u8"西湖区",
    u8"滨江区",
    u8"萧山区",
    u8"余杭区",
    u8"桐庐县",
    u8"淳安县",
    u8"建德市",
    u8"富阳市",
    u8"临安市",
    u8"宁波市",
    u8"市辖区",
    u8"海曙区",
    u8"江东区",
    u8"江北区",
    u8"北仑区",
    u8"镇海区",
    u8"鄞州区",
    u8"象山县",
    u8"宁海县",
    u8"余姚市",
    u8"慈溪市",
    u8"奉化市",
    u8"温州市",
    u8"市辖区",
    u8"鹿城区",
    u8"龙湾区",
    u8"瓯海区",
    u8"洞头县",
    u8"永嘉县",
    u8"平阳县",
    u8"苍南县",
    u8"文成县",
    u8"泰顺县",
    u8"瑞安市",
    u8"乐清市",
    u8"嘉兴市",
    u8"市辖区",
    u8"南湖区",
    u8"秀洲区",
    u8"嘉善县",
    u8"海盐县",
    u8"海宁市",
    u8"平湖市",
    u8"桐乡市",
    u8"湖州市",
    u8"市辖区",
    u8"吴兴区",
    u8"南浔区",
    u8"德清县",
    u8"长兴县",
    u8"安吉县",
    u8"绍兴市",
    u8"市辖区",
    u8"越城区",
    u8"绍兴县",
    u8"新昌县",
    u8"诸暨市",
    u8"上虞市",
    u8"嵊州市",
    u8"金华市",
    u8"市辖区",
    u8"婺城区",
    u8"金东区",
    u8"武义县",
    u8"浦江县",
    u8"磐安县",
    u8"兰溪市",
    u8"义乌市",
    u8"东阳市",
    u8"永康市",
    u8"衢州市",
    u8"市辖区",
    u8"柯城区",
    u8"衢江区",
    u8"常山县",
    u8"开化县",
    u8"龙游县",
    u8"江山市",
    u8"舟山市",
    u8"市辖区",
    u8"定海区",
    u8"普陀区",
    u8"岱山县",
    u8"嵊泗县",
    u8"台州市",
    u8"市辖区",
    u8"椒江区",
    u8"黄岩区",
    u8"路桥区",
    u8"玉环县",
    u8"三门县",
    u8"天台县",
    u8"仙居县",
    u8"温岭市",
    u8"临海市",
    u8"丽水市",
    u8"市辖区",
    u8"莲都区",
    u8"青田县",
    u8"缙云县",
    u8"遂昌县",
    u8"松阳县",
    u8"云和县",
    u8"庆元县",
    u8"景宁畲族自治县",
    u8"龙泉市",
};
static_assert(recordCount(zhejiangNamesUtf8) == recordCount(zhejiangRecords));
static constexpr ProvinceTable zhejiangTable = {zhejiangRecords, recordCount(zhejiangRecords), zhejiangNamesUtf8};

// 34 安徽省: 139 records, 17 city-level
static constexpr DivisionEntry anhuiRecords[] = {
    {340100, "\xBA\xCF\xB7\xCA\xCA\xD0"},  // "合肥市"
    {340101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {340102, "\xD1\xFE\xBA\xA3\xC7\xF8"},  // "瑶海区"
    {340103, "\xC2\xAE\xD1\xF4\xC7\xF8"},  // "庐阳区"
    {340104, "\xCA\xF1\xC9\xBD\xC7\xF8"},  // "蜀山区"
    {340111, "\xB0\xFC\xBA\xD3\xC7\xF8"},  // "包河区"
    {340121, "\xB3\xA4\xB7\xE1\xCF\xD8"},  // "长丰县"
    {340122, "\xB7\xCA\xB6\xAB\xCF\xD8"},  // "肥东县"
    {340123, "\xB7\xCA\xCE\xF7\xCF\xD8"},  // "肥西县"
    {340200, "\xCE\xDF\xBA\xFE\xCA\xD0"},  // "芜湖市"
    {340201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {340202, "\xBE\xB5\xBA\xFE\xC7\xF8"},  // "镜湖区"
    {340203, "\xDF\xAE\xBD\xAD\xC7\xF8"},  // "弋江区"
    {340207, "\xF0\xAF\xBD\xAD\xC7\xF8"},  // "鸠江区"
    {340208, "\xC8\xFD\xC9\xBD\xC7\xF8"},  // "三山区"
    {340221, "\xCE\xDF\xBA\xFE\xCF\xD8"},  // "芜湖县"
    {340222, "\xB7\xB1\xB2\xFD\xCF\xD8"},  // "繁昌县"
    {340223, "\xC4\xCF\xC1\xEA\xCF\xD8"},  // "南陵县"
    {340300, "\xB0\xF6\xB2\xBA\xCA\xD0"},  // "蚌埠市"
    {340301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {340302, "\xC1\xFA\xD7\xD3\xBA\xFE\xC7\xF8"},  // "龙子湖区"
    {340303, "\xB0\xF6\xC9\xBD\xC7\xF8"},  // "蚌山区"
    {340304, "\xD3\xED\xBB\xE1\xC7\xF8"},  // "禹会区"
    {340311, "\xBB\xB4\xC9\xCF\xC7\xF8"},  // "淮上区"
    {340321, "\xBB\xB3\xD4\xB6\xCF\xD8"},  // "怀远县"
    {340322, "\xCE\xE5\xBA\xD3\xCF\xD8"},  // "五河县"
    {340323, "\xB9\xCC\xD5\xF2\xCF\xD8"},  // "固镇县"
    {340400, "\xBB\xB4\xC4\xCF\xCA\xD0"},  // "淮南市"
    {340401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {340402, "\xB4\xF3\xCD\xA8\xC7\xF8"},  // "大通区"
    {340403, "\xCC\xEF\xBC\xD2\xE2\xD6\xC7\xF8"},  // "田家庵区"
    {340404, "\xD0\xBB\xBC\xD2\xBC\xAF\xC7\xF8"},  // "谢家集区"
    {340405, "\xB0\xCB\xB9\xAB\xC9\xBD\xC7\xF8"},  // "八公山区"
    {340406, "\xC5\xCB\xBC\xAF\xC7\xF8"},  // "潘集区"
    {340421, "\xB7\xEF\xCC\xA8\xCF\xD8"},  // "凤台县"
    {340500, "\xC2\xED\xB0\xB0\xC9\xBD\xCA\xD0"},  // "马鞍山市"
    {340501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {340502, "\xBD\xF0\xBC\xD2\xD7\xAF\xC7\xF8"},  // "金家庄区"
    {340503, "\xBB\xA8\xC9\xBD\xC7\xF8"},  // "花山区"
    {340504, "\xD3\xEA\xC9\xBD\xC7\xF8"},  // "雨山区"
    {340521, "\xB5\xB1\xCD\xBF\xCF\xD8"},  // "当涂县"
    {340600, "\xBB\xB4\xB1\xB1\xCA\xD0"},  // "淮北市"
    {340601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {340602, "\xB6\xC5\xBC\xAF\xC7\xF8"},  // "杜集区"
    {340603, "\xCF\xE0\xC9\xBD\xC7\xF8"},  // "相山区"
    {340604, "\xC1\xD2\xC9\xBD\xC7\xF8"},  // "烈山区"
    {340621, "\xE5\xA1\xCF\xAA\xCF\xD8"},  // "濉溪县"
    {340700, "\xCD\xAD\xC1\xEA\xCA\xD0"},  // "铜陵市"
    {340701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {340702, "\xCD\xAD\xB9\xD9\xC9\xBD\xC7\xF8"},  // "铜官山区"
    {340703, "\xCA\xA8\xD7\xD3\xC9\xBD\xC7\xF8"},  // "狮子山区"
    {340711, "\xBD\xBC\xC7\xF8"},  // "郊区"
    {340721, "\xCD\xAD\xC1\xEA\xCF\xD8"},  // "铜陵县"
    {340800, "\xB0\xB2\xC7\xEC\xCA\xD0"},  // "安庆市"
    {340801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {340802, "\xD3\xAD\xBD\xAD\xC7\xF8"},  // "迎江区"
    {340803, "\xB4\xF3\xB9\xDB\xC7\xF8"},  // "大观区"
    {340811, "\xD2\xCB\xD0\xE3\xC7\xF8"},  // "宜秀区"
    {340822, "\xBB\xB3\xC4\xFE\xCF\xD8"},  // "怀宁县"
    {340823, "\xE8\xC8\xD1\xF4\xCF\xD8"},  // "枞阳县"
    {340824, "\xC7\xB1\xC9\xBD\xCF\xD8"},  // "潜山县"
    {340825, "\xCC\xAB\xBA\xFE\xCF\xD8"},  // "太湖县"
    {340826, "\xCB\xDE\xCB\xC9\xCF\xD8"},  // "宿松县"
    {340827, "\xCD\xFB\xBD\xAD\xCF\xD8"},  // "望江县"
    {340828, "\xD4\xC0\xCE\xF7\xCF\xD8"},  // "岳西县"
    {340881, "\xCD\xA9\xB3\xC7\xCA\xD0"},  // "桐城市"
    {341000, "\xBB\xC6\xC9\xBD\xCA\xD0"},  // "黄山市"
    {341001, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {341002, "\xCD\xCD\xCF\xAA\xC7\xF8"},  // "屯溪区"
    {341003, "\xBB\xC6\xC9\xBD\xC7\xF8"},  // "黄山区"
    {341004, "\xBB\xD5\xD6\xDD\xC7\xF8"},  // "徽州区"
    {341021, "\xEC\xA8\xCF\xD8"},  // "歙县"
    {341022, "\xD0\xDD\xC4\xFE\xCF\xD8"},  // "休宁县"
    {341023, "\xF7\xF0\xCF\xD8"},  // "黟县"
    {341024, "\xC6\xEE\xC3\xC5\xCF\xD8"},  // "祁门县"
    {341100, "\xB3\xFC\xD6\xDD\xCA\xD0"},  // "滁州市"
    {341101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {341102, "\xC0\xC5\xE7\xF0\xC7\xF8"},  // "琅琊区"
    {341103, "\xC4\xCF\xDA\xDB\xC7\xF8"},  // "南谯区"
    {341122, "\xC0\xB4\xB0\xB2\xCF\xD8"},  // "来安县"
    {341124, "\xC8\xAB\xBD\xB7\xCF\xD8"},  // "全椒县"
    {341125, "\xB6\xA8\xD4\xB6\xCF\xD8"},  // "定远县"
    {341126, "\xB7\xEF\xD1\xF4\xCF\xD8"},  // "凤阳县"
    {341181, "\xCC\xEC\xB3\xA4\xCA\xD0"},  // "天长市"
    {341182, "\xC3\xF7\xB9\xE2\xCA\xD0"},  // "明光市"
    {341200, "\xB8\xB7\xD1\xF4\xCA\xD0"},  // "阜阳市"
    {341201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {341202, "\xF2\xA3\xD6\xDD\xC7\xF8"},  // "颍州区"
    {341203, "\xF2\xA3\xB6\xAB\xC7\xF8"},  // "颍东区"
    {341204, "\xF2\xA3\xC8\xAA\xC7\xF8"},  // "颍泉区"
    {341221, "\xC1\xD9\xC8\xAA\xCF\xD8"},  // "临泉县"
    {341222, "\xCC\xAB\xBA\xCD\xCF\xD8"},  // "太和县"
    {341225, "\xB8\xB7\xC4\xCF\xCF\xD8"},  // "阜南县"
    {341226, "\xF2\xA3\xC9\xCF\xCF\xD8"},  // "颍上县"
    {341282, "\xBD\xE7\xCA\xD7\xCA\xD0"},  // "界首市"
    {341300, "\xCB\xDE\xD6\xDD\xCA\xD0"},  // "宿州市"
    {341301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {341302, "\x88\xAC\xC7\xC5\xC7\xF8"},  // "埇桥区"
    {341321, "\xED\xB8\xC9\xBD\xCF\xD8"},  // "砀山县"
    {341322, "\xCF\xF4\xCF\xD8"},  // "萧县"
    {341323, "\xC1\xE9\xE8\xB5\xCF\xD8"},  // "灵璧县"
    {341324, "\xE3\xF4\xCF\xD8"},  // "泗县"
    {341400, "\xB3\xB2\xBA\xFE\xCA\xD0"},  // "巢湖市"
    {341401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {341402, "\xBE\xD3\xB3\xB2\xC7\xF8"},  // "居巢区"
    {341421, "\xC2\xAE\xBD\xAD\xCF\xD8"},  // "庐江县"
    {341422, "\xCE\xDE\xCE\xAA\xCF\xD8"},  // "无为县"
    {341423, "\xBA\xAC\xC9\xBD\xCF\xD8"},  // "含山县"
    {341424, "\xBA\xCD\xCF\xD8"},  // "和县"
    {341500, "\xC1\xF9\xB0\xB2\xCA\xD0"},  // "六安市"
    {341501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {341502, "\xBD\xF0\xB0\xB2\xC7\xF8"},  // "金安区"
    {341503, "\xD4\xA3\xB0\xB2\xC7\xF8"},  // "裕安区"
    {341521, "\xCA\xD9\xCF\xD8"},  // "寿县"
    {341522, "\xBB\xF4\xC7\xF1\xCF\xD8"},  // "霍邱县"
    {341523, "\xCA\xE6\xB3\xC7\xCF\xD8"},  // "舒城县"
    {341524, "\xBD\xF0\xD5\xAF\xCF\xD8"},  // "金寨县"
    {341525, "\xBB\xF4\xC9\xBD\xCF\xD8"},  // "霍山县"
    {341600, "\xD9\xF1\xD6\xDD\xCA\xD0"},  // "亳州市"
    {341601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {341602, "\xDA\xDB\xB3\xC7\xC7\xF8"},  // "谯城区"
    {341621, "\xCE\xD0\xD1\xF4\xCF\xD8"},  // "涡阳县"
    {341622, "\xC3\xC9\xB3\xC7\xCF\xD8"},  // "蒙城县"
    {341623, "\xC0\xFB\xD0\xC1\xCF\xD8"},  // "利辛县"
    {341700, "\xB3\xD8\xD6\xDD\xCA\xD0"},  // "池州市"
    {341701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {341702, "\xB9\xF3\xB3\xD8\xC7\xF8"},  // "贵池区"
    {341721, "\xB6\xAB\xD6\xC1\xCF\xD8"},  // "东至县"
    {341722, "\xCA\xAF\xCC\xA8\xCF\xD8"},  // "石台县"
    {341723, "\xC7\xE0\xD1\xF4\xCF\xD8"},  // "青阳县"
    {341800, "\xD0\xFB\xB3\xC7\xCA\xD0"},  // "宣城市"
    {341801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {341802, "\xD0\xFB\xD6\xDD\xC7\xF8"},  // "宣州区"
    {341821, "\xC0\xC9\xCF\xAA\xCF\xD8"},  // "郎溪县"
    {341822, "\xB9\xE3\xB5\xC2\xCF\xD8"},  // "广德县"
    {341823, "\xE3\xFE\xCF\xD8"},  // "泾县"
    {341824, "\xBC\xA8\xCF\xAA\xCF\xD8"},  // "绩溪县"
    {341825, "\xEC\xBA\xB5\xC2\xCF\xD8"},  // "旌德县"
    {341881, "\xC4\xFE\xB9\xFA\xCA\xD0"},  // "宁国市"
};
static constexpr const char* const anhuiNamesUtf8[] = {
    u8"合肥市",
    u8"市辖区",
    u8"瑶海区",
    u8"庐阳区",
    u8"蜀山区",
    u8"包河区",
    u8"长丰县",
    u8"肥东县",
    u8"肥西县",
    u8"芜湖市",
    u8"市辖区",
    u8"镜湖区",
    u8"弋江区",
    u8"鸠江区",
    u8"三山区",
    u8"芜湖县",
    u8"繁昌县",
    u8"南陵县",
    u8"蚌埠市",
    u8"市辖区",
    u8"龙子湖区",
    u8"蚌山区",
    u8"禹会区",
    u8"淮上区",
    u8"怀远县",
    u8"五河县",
    u8"固镇县",
    u8"淮南市",
    u8"市辖区",
    u8"大通区",
    u8"田家庵区",
    u8"谢家集区",
    u8"八公山区",
    u8"潘集区",
    u8"凤台县",
    u8"马鞍山市",
    u8"市辖区",
    u8"金家庄区",
    u8"花山区",
    u8"雨山区",
    u8"当涂县",
    u8"淮北市",
    u8"市辖区",
    u8"杜集区",
    u8"相山区",
    u8"烈山区",
    u8"濉溪县",
    u8"铜陵市",
    u8"市辖区",
    u8"铜官山区",
    u8"狮子山区",
    u8"郊区",
    u8"铜陵县",
    u8"安庆市",
    u8"市辖区",
    u8"迎江区",
    u8"大观区",
    u8"宜秀区",
    u8"怀宁县",
    u8"枞阳县",
    u8"潜山县",
    u8"太湖县",
    u8"宿松县",
    u8"望江县",
    u8"岳西县",
    u8"桐城市",
    u8"黄山市",
    u8"市辖区",
    u8"屯溪区",
    u8"黄山区",
    u8"徽州区",
    u8"歙县",
    u8"休宁县",
    u8"黟县",
    u8"祁门县",
    u8"滁州市",
    u8"市辖区",
    u8"琅琊区",
    u8"南谯区",
    u8"来安县",
    u8"全椒县",
    u8"定远县",
    u8"凤阳县",
    u8"天长市",
    u8"明光市",
    u8"阜阳市",
    u8"市辖区",
    u8"颍州区",
    u8"颍东区",
    u8"颍泉区",
    u8"临泉县",
    u8"太和县",
    u8"阜南县",
    u8"颍上县",
    u8"界首市",
    u8"宿州市",
    u8"市辖区",
    u8"埇桥区",
    u8"砀山县",
    u8"萧县",
    u8"灵璧县",
    u8"泗县",
    u8"巢湖市",
    u8"市辖区",
    u8"居巢区",
    u8"庐江县",
    u8"无为县",
    u8"含山县",
    u8"和县",
    u8"六安市",
    u8"市辖区",
    u8"金安区",
    u8"裕安区",
    u8"寿县",
    u8"霍邱县",
    u8"舒城县",
    u8"金寨县",
    u8"霍山县",
    u8"亳州市",
    u8"市辖区",
    u8"谯城区",
    u8"涡阳县",
    u8"蒙城县",
    u8"利辛县",
    u8"池州市",
    u8"市辖区",
    u8"贵池区",
    u8"东至县",
    u8"石台县",
    u8"青阳县",
    u8"宣城市",
    u8"市辖区",
    u8"宣州区",
    u8"郎溪县",
    u8"广德县",
    u8"泾县",
    u8"绩溪县",
    u8"旌德县",
    u8"宁国市",
};
static_assert(recordCount(anhuiNamesUtf8) == recordCount(anhuiRecords));
static constexpr ProvinceTable anhuiTable = {anhuiRecords, recordCount(anhuiRecords), anhuiNamesUtf8};

// 35 福建省: 103 records, 9 city-level
static constexpr DivisionEntry fujianRecords[] = {
    {350100, "\xB8\xA3\xD6\xDD\xCA\xD0"},  // "福州市"
    {350101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {350102, "\xB9\xC4\xC2\xA5\xC7\xF8"},  // "鼓楼区"
    {350103, "\xCC\xA8\xBD\xAD\xC7\xF8"},  // "台江区"
    {350104, "\xB2\xD6\xC9\xBD\xC7\xF8"},  // "仓山区"
    {350105, "\xC2\xED\xCE\xB2\xC7\xF8"},  // "马尾区"
    {350111, "\xBD\xFA\xB0\xB2\xC7\xF8"},  // "晋安区"
    {350121, "\xC3\xF6\xBA\xEE\xCF\xD8"},  // "闽侯县"
    {350122, "\xC1\xAC\xBD\xAD\xCF\xD8"},  // "连江县"
    {350123, "\xC2\xDE\xD4\xB4\xCF\xD8"},  // "罗源县"
    {350124, "\xC3\xF6\xC7\xE5\xCF\xD8"},  // "闽清县"
    {350125, "\xD3\xC0\xCC\xA9\xCF\xD8"},  // "永泰县"
    {350128, "\xC6\xBD\xCC\xB6\xCF\xD8"},  // "平潭县"
    {350181, "\xB8\xA3\xC7\xE5\xCA\xD0"},  // "福清市"
    {350182, "\xB3\xA4\xC0\xD6\xCA\xD0"},  // "长乐市"
    {350200, "\xCF\xC3\xC3\xC5\xCA\xD0"},  // "厦门市"
    {350201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {350203, "\xCB\xBC\xC3\xF7\xC7\xF8"},  // "思明区"
    {350205, "\xBA\xA3\xB2\xD7\xC7\xF8"},  // "海沧区"
    {350206, "\xBA\xFE\xC0\xEF\xC7\xF8"},  // "湖里区"
    {350211, "\xBC\xAF\xC3\xC0\xC7\xF8"},  // "集美区"
    {350212, "\xCD\xAC\xB0\xB2\xC7\xF8"},  // "同安区"
    {350213, "\xCF\xE8\xB0\xB2\xC7\xF8"},  // "翔安区"
    {350300, "\xC6\xCE\xCC\xEF\xCA\xD0"},  // "莆田市"
    {350301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {350302, "\xB3\xC7\xCF\xE1\xC7\xF8"},  // "城厢区"
    {350303, "\xBA\xAD\xBD\xAD\xC7\xF8"},  // "涵江区"
    {350304, "\xC0\xF3\xB3\xC7\xC7\xF8"},  // "荔城区"
    {350305, "\xD0\xE3\xD3\xEC\xC7\xF8"},  // "秀屿区"
    {350322, "\xCF\xC9\xD3\xCE\xCF\xD8"},  // "仙游县"
    {350400, "\xC8\xFD\xC3\xF7\xCA\xD0"},  // "三明市"
    {350401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {350402, "\xC3\xB7\xC1\xD0\xC7\xF8"},  // "梅列区"
    {350403, "\xC8\xFD\xD4\xAA\xC7\xF8"},  // "三元区"
    {350421, "\xC3\xF7\xCF\xAA\xCF\xD8"},  // "明溪县"
    {350423, "\xC7\xE5\xC1\xF7\xCF\xD8"},  // "清流县"
    {350424, "\xC4\xFE\xBB\xAF\xCF\xD8"},  // "宁化县"
    {350425, "\xB4\xF3\xCC\xEF\xCF\xD8"},  // "大田县"
    {350426, "\xD3\xC8\xCF\xAA\xCF\xD8"},  // "尤溪县"
    {350427, "\xC9\xB3\xCF\xD8"},  // "沙县"
    {350428, "\xBD\xAB\xC0\xD6\xCF\xD8"},  // "将乐县"
    {350429, "\xCC\xA9\xC4\xFE\xCF\xD8"},  // "泰宁县"
    {350430, "\xBD\xA8\xC4\xFE\xCF\xD8"},  // "建宁县"
    {350481, "\xD3\xC0\xB0\xB2\xCA\xD0"},  // "永安市"
    {350500, "\xC8\xAA\xD6\xDD\xCA\xD0"},  // "泉州市"
    {350501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {350502, "\xC0\xF0\xB3\xC7\xC7\xF8"},  // "鲤城区"
    {350503, "\xB7\xE1\xD4\xF3\xC7\xF8"},  // "丰泽区"
    {350504, "\xC2\xE5\xBD\xAD\xC7\xF8"},  // "洛江区"
    {350505, "\xC8\xAA\xB8\xDB\xC7\xF8"},  // "泉港区"
    {350521, "\xBB\xDD\xB0\xB2\xCF\xD8"},  // "惠安县"
    {350524, "\xB0\xB2\xCF\xAA\xCF\xD8"},  // "安溪县"
    {350525, "\xD3\xC0\xB4\xBA\xCF\xD8"},  // "永春县"
    {350526, "\xB5\xC2\xBB\xAF\xCF\xD8"},  // "德化县"
    {350527, "\xBD\xF0\xC3\xC5\xCF\xD8"},  // "金门县"
    {350581, "\xCA\xAF\xCA\xA8\xCA\xD0"},  // "石狮市"
    {350582, "\xBD\xFA\xBD\xAD\xCA\xD0"},  // "晋江市"
    {350583, "\xC4\xCF\xB0\xB2\xCA\xD0"},  // "南安市"
    {350600, "\xD5\xC4\xD6\xDD\xCA\xD0"},  // "漳州市"
    {350601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {350602, "\xDC\xBC\xB3\xC7\xC7\xF8"},  // "芗城区"
    {350603, "\xC1\xFA\xCE\xC4\xC7\xF8"},  // "龙文区"
    {350622, "\xD4\xC6\xCF\xF6\xCF\xD8"},  // "云霄县"
    {350623, "\xD5\xC4\xC6\xD6\xCF\xD8"},  // "漳浦县"
    {350624, "\xDA\xAF\xB0\xB2\xCF\xD8"},  // "诏安县"
    {350625, "\xB3\xA4\xCC\xA9\xCF\xD8"},  // "长泰县"
    {350626, "\xB6\xAB\xC9\xBD\xCF\xD8"},  // "东山县"
    {350627, "\xC4\xCF\xBE\xB8\xCF\xD8"},  // "南靖县"
    {350628, "\xC6\xBD\xBA\xCD\xCF\xD8"},  // "平和县"
    {350629, "\xBB\xAA\xB0\xB2\xCF\xD8"},  // "华安县"
    {350681, "\xC1\xFA\xBA\xA3\xCA\xD0"},  // "龙海市"
    {350700, "\xC4\xCF\xC6\xBD\xCA\xD0"},  // "南平市"
    {350701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {350702, "\xD1\xD3\xC6\xBD\xC7\xF8"},  // "延平区"
    {350721, "\xCB\xB3\xB2\xFD\xCF\xD8"},  // "顺昌县"
    {350722, "\xC6\xD6\xB3\xC7\xCF\xD8"},  // "浦城县"
    {350723, "\xB9\xE2\xD4\xF3\xCF\xD8"},  // "光泽县"
    {350724, "\xCB\xC9\xCF\xAA\xCF\xD8"},  // "松溪县"
    {350725, "\xD5\xFE\xBA\xCD\xCF\xD8"},  // "政和县"
    {350781, "\xC9\xDB\xCE\xE4\xCA\xD0"},  // "邵武市"
    {350782, "\xCE\xE4\xD2\xC4\xC9\xBD\xCA\xD0"},  // "武夷山市"
    {350783, "\xBD\xA8\xEA\xB1\xCA\xD0"},  // "建瓯市"
    {350784, "\xBD\xA8\xD1\xF4\xCA\xD0"},  // "建阳市"
    {350800, "\xC1\xFA\xD1\xD2\xCA\xD0"},  // "龙岩市"
    {350801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {350802, "\xD0\xC2\xC2\xDE\xC7\xF8"},  // "新罗区"
    {350821, "\xB3\xA4\xCD\xA1\xCF\xD8"},  // "长汀县"
    {350822, "\xD3\xC0\xB6\xA8\xCF\xD8"},  // "永定县"
    {350823, "\xC9\xCF\xBA\xBC\xCF\xD8"},  // "上杭县"
    {350824, "\xCE\xE4\xC6\xBD\xCF\xD8"},  // "武平县"
    {350825, "\xC1\xAC\xB3\xC7\xCF\xD8"},  // "连城县"
    {350881, "\xD5\xC4\xC6\xBD\xCA\xD0"},  // "漳平市"
    {350900, "\xC4\xFE\xB5\xC2\xCA\xD0"},  // "宁德市"
    {350901, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {350902, "\xBD\xB6\xB3\xC7\xC7\xF8"},  // "蕉城区"
    {350921, "\xCF\xBC\xC6\xD6\xCF\xD8"},  // "霞浦县"
    {350922, "\xB9\xC5\xCC\xEF\xCF\xD8"},  // "古田县"
    {350923, "\xC6\xC1\xC4\xCF\xCF\xD8"},  // "屏南县"
    {350924, "\xCA\xD9\xC4\xFE\xCF\xD8"},  // "寿宁县"
    {350925, "\xD6\xDC\xC4\xFE\xCF\xD8"},  // "周宁县"
    {350926, "\xE8\xCF\xC8\xD9\xCF\xD8"},  // "柘荣县"
    {350981, "\xB8\xA3\xB0\xB2\xCA\xD0"},  // "福安市"
    {350982, "\xB8\xA3\xB6\xA6\xCA\xD0"},  // "福鼎市"
};
static constexpr const char* const fujianNamesUtf8[] = {
    u8"福州市",
    u8"市辖区",
    u8"鼓楼区",
    u8"台江区",
    u8"仓山区",
    u8"马尾区",
    u8"晋安区",
    u8"闽侯县",
    u8"连江县",
    u8"罗源县",
    u8"闽清县",
    u8"永泰县",
    u8"平潭县",
    u8"福清市",
    u8"长乐市",
    u8"厦门市",
    u8"市辖区",
    u8"思明区",
    u8"海沧区",
    u8"湖里区",
    u8"集美区",
    u8"同安区",
    u8"翔安区",
    u8"莆田市",
    u8"市辖区",
    u8"城厢区",
    u8"涵江区",
    u8"荔城区",
    u8"秀屿区",
    u8"仙游县",
    u8"三明市",
    u8"市辖区",
    u8"梅列区",
    u8"三元区",
    u8"明溪县",
    u8"清流县",
    u8"宁化县",
    u8"大田县",
    u8"尤溪县",
    u8"沙县",
    u8"将乐县",
    u8"泰宁县",
    u8"建宁县",
    u8"永安市",
    u8"泉州市",
    u8"市辖区",
    u8"鲤城区",
    u8"丰泽区",
    u8"洛江区",
    u8"泉港区",
    u8"惠安县",
    u8"安溪县",
    u8"永春县",
    u8"德化县",
    u8"金门县",
    u8"石狮市",
    u8"晋江市",
    u8"南安市",
    u8"漳州市",
    u8"市辖区",
    u8"芗城区",
    u8"龙文区",
    u8"云霄县",
    u8"漳浦县",
    u8"诏安县",
    u8"长泰县",
    u8"东山县",
    u8"南靖县",
    u8"平和县",
    u8"华安县",
    u8"龙海市",
    u8"南平市",
    u8"市辖区",
    u8"延平区",
    u8"顺昌县",
    u8"浦城县",
    u8"光泽县",
    u8"松溪县",
    u8"政和县",
    u8"邵武市",
    u8"武夷山市",
    u8"建瓯市",
    u8"建阳市",
    u8"龙岩市",
    u8"市辖区",
    u8"新罗区",
    u8"长汀县",
    u8"永定县",
    u8"上杭县",
    u8"武平县",
    u8"连城县",
    u8"漳平市",
    u8"宁德市",
    u8"市辖区",
    u8"蕉城区",
    u8"霞浦县",
    u8"古田县",
    u8"屏南县",
    u8"寿宁县",
    u8"周宁县",
    u8"柘荣县",
    u8"福安市",
    u8"福鼎市",
};
static_assert(recordCount(fujianNamesUtf8) == recordCount(fujianRecords));
static constexpr ProvinceTable fujianTable = {fujianRecords, recordCount(fujianRecords), fujianNamesUtf8};

// 36 江西省: 121 records, 11 city-level
static constexpr DivisionEntry jiangxiRecords[] = {
    {360100, "\xC4\xCF\xB2\xFD\xCA\xD0"},  // "南昌市"
    {360101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {360102, "\xB6\xAB\xBA\xFE\xC7\xF8"},  // "东湖区"
    {360103, "\xCE\xF7\xBA\xFE\xC7\xF8"},  // "西湖区"
    {360104, "\xC7\xE0\xD4\xC6\xC6\xD7\xC7\xF8"},  // "青云谱区"
    {360105, "\xCD\xE5\xC0\xEF\xC7\xF8"},  // "湾里区"
    {360111, "\xC7\xE0\xC9\xBD\xBA\xFE\xC7\xF8"},  // "青山湖区"
    {360121, "\xC4\xCF\xB2\xFD\xCF\xD8"},  // "南昌县"
    {360122, "\xD0\xC2\xBD\xA8\xCF\xD8"},  // "新建县"
    {360123, "\xB0\xB2\xD2\xE5\xCF\xD8"},  // "安义县"
    {360124, "\xBD\xF8\xCF\xCD\xCF\xD8"},  // "进贤县"
    {360200, "\xBE\xB0\xB5\xC2\xD5\xF2\xCA\xD0"},  // "景德镇市"
    {360201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {360202, "\xB2\xFD\xBD\xAD\xC7\xF8"},  // "昌江区"
    {360203, "\xD6\xE9\xC9\xBD\xC7\xF8"},  // "珠山区"
    {360222, "\xB8\xA1\xC1\xBA\xCF\xD8"},  // "浮梁县"
    {360281, "\xC0\xD6\xC6\xBD\xCA\xD0"},  // "乐平市"
    {360300, "\xC6\xBC\xCF\xE7\xCA\xD0"},  // "萍乡市"
    {360301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {360302, "\xB0\xB2\xD4\xB4\xC7\xF8"},  // "安源区"
    {360313, "\xCF\xE6\xB6\xAB\xC7\xF8"},  // "湘东区"
    {360321, "\xC1\xAB\xBB\xA8\xCF\xD8"},  // "莲花县"
    {360322, "\xC9\xCF\xC0\xF5\xCF\xD8"},  // "上栗县"
    {360323, "\xC2\xAB\xCF\xAA\xCF\xD8"},  // "芦溪县"
    {360400, "\xBE\xC5\xBD\xAD\xCA\xD0"},  // "九江市"
    {360401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {360402, "\xC2\xAE\xC9\xBD\xC7\xF8"},  // "庐山区"
    {360403, "\xE4\xB1\xD1\xF4\xC7\xF8"},  // "浔阳区"
    {360421, "\xBE\xC5\xBD\xAD\xCF\xD8"},  // "九江县"
    {360423, "\xCE\xE4\xC4\xFE\xCF\xD8"},  // "武宁县"
    {360424, "\xD0\xDE\xCB\xAE\xCF\xD8"},  // "修水县"
    {360425, "\xD3\xC0\xD0\xDE\xCF\xD8"},  // "永修县"
    {360426, "\xB5\xC2\xB0\xB2\xCF\xD8"},  // "德安县"
    {360427, "\xD0\xC7\xD7\xD3\xCF\xD8"},  // "星子县"
    {360428, "\xB6\xBC\xB2\xFD\xCF\xD8"},  // "都昌县"
    {360429, "\xBA\xFE\xBF\xDA\xCF\xD8"},  // "湖口县"
    {360430, "\xC5\xED\xD4\xF3\xCF\xD8"},  // "彭泽县"
    {360481, "\xC8\xF0\xB2\xFD\xCA\xD0"},  // "瑞昌市"
    {360500, "\xD0\xC2\xD3\xE0\xCA\xD0"},  // "新余市"
    {360501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {360502, "\xD3\xE5\xCB\xAE\xC7\xF8"},  // "渝水区"
    {360521, "\xB7\xD6\xD2\xCB\xCF\xD8"},  // "分宜县"
    {360600, "\xD3\xA5\xCC\xB6\xCA\xD0"},  // "鹰潭市"
    {360601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {360602, "\xD4\xC2\xBA\xFE\xC7\xF8"},  // "月湖区"
    {360622, "\xD3\xE0\xBD\xAD\xCF\xD8"},  // "余江县"
    {360681, "\xB9\xF3\xCF\xAA\xCA\xD0"},  // "贵溪市"
    {360700, "\xB8\xD3\xD6\xDD\xCA\xD0"},  // "赣州市"
    {360701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {360702, "\xD5\xC2\xB9\xB1\xC7\xF8"},  // "章贡区"
    {360721, "\xB8\xD3\xCF\xD8"},  // "赣县"
    {360722, "\xD0\xC5\xB7\xE1\xCF\xD8"},  // "信丰县"
    {360723, "\xB4\xF3\xD3\xE0\xCF\xD8"},  // "大余县"
    {360724, "\xC9\xCF\xD3\xCC\xCF\xD8"},  // "上犹县"
    {360725, "\xB3\xE7\xD2\xE5\xCF\xD8"},  // "崇义县"
    {360726, "\xB0\xB2\xD4\xB6\xCF\xD8"},  // "安远县"
    {360727, "\xC1\xFA\xC4\xCF\xCF\xD8"},  // "龙南县"
    {360728, "\xB6\xA8\xC4\xCF\xCF\xD8"},  // "定南县"
    {360729, "\xC8\xAB\xC4\xCF\xCF\xD8"},  // "全南县"
    {360730, "\xC4\xFE\xB6\xBC\xCF\xD8"},  // "宁都县"
    {360731, "\xD3\xDA\xB6\xBC\xCF\xD8"},  // "于都县"
    {360732, "\xD0\xCB\xB9\xFA\xCF\xD8"},  // "兴国县"
    {360733, "\xBB\xE1\xB2\xFD\xCF\xD8"},  // "会昌县"
    {360734, "\xD1\xB0\xCE\xDA\xCF\xD8"},  // "寻乌县"
    {360735, "\xCA\xAF\xB3\xC7\xCF\xD8"},  // "石城县"
    {360781, "\xC8\xF0\xBD\xF0\xCA\xD0"},  // "瑞金市"
    {360782, "\xC4\xCF\xBF\xB5\xCA\xD0"},  // "南康市"
    {360800, "\xBC\xAA\xB0\xB2\xCA\xD0"},  // "吉安市"
    {360801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {360802, "\xBC\xAA\xD6\xDD\xC7\xF8"},  // "吉州区"
    {360803, "\xC7\xE0\xD4\xAD\xC7\xF8"},  // "青原区"
    {360821, "\xBC\xAA\xB0\xB2\xCF\xD8"},  // "吉安县"
    {360822, "\xBC\xAA\xCB\xAE\xCF\xD8"},  // "吉水县"
    {360823, "\xCF\xBF\xBD\xAD\xCF\xD8"},  // "峡江县"
    {360824, "\xD0\xC2\xB8\xC9\xCF\xD8"},  // "新干县"
    {360825, "\xD3\xC0\xB7\xE1\xCF\xD8"},  // "永丰县"
    {360826, "\xCC\xA9\xBA\xCD\xCF\xD8"},  // "泰和县"
    {360827, "\xCB\xEC\xB4\xA8\xCF\xD8"},  // "遂川县"
    {360828, "\xCD\xF2\xB0\xB2\xCF\xD8"},  // "万安县"
    {360829, "\xB0\xB2\xB8\xA3\xCF\xD8"},  // "安福县"
    {360830, "\xD3\xC0\xD0\xC2\xCF\xD8"},  // "永新县"
    {360881, "\xBE\xAE\xB8\xD4\xC9\xBD\xCA\xD0"},  // "井冈山市"
    {360900, "\xD2\xCB\xB4\xBA\xCA\xD0"},  // "宜春市"
    {360901, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {360902, "\xD4\xAC\xD6\xDD\xC7\xF8"},  // "袁州区"
    {360921, "\xB7\xEE\xD0\xC2\xCF\xD8"},  // "奉新县"
    {360922, "\xCD\xF2\xD4\xD8\xCF\xD8"},  // "万载县"
    {360923, "\xC9\xCF\xB8\xDF\xCF\xD8"},  // "上高县"
    {360924, "\xD2\xCB\xB7\xE1\xCF\xD8"},  // "宜丰县"
    {360925, "\xBE\xB8\xB0\xB2\xCF\xD8"},  // "靖安县"
    {360926, "\xCD\xAD\xB9\xC4\xCF\xD8"},  // "铜鼓县"
    {360981, "\xB7\xE1\xB3\xC7\xCA\xD0"},  // "丰城市"
    {360982, "\xD5\xC1\xCA\xF7\xCA\xD0"},  // "樟树市"
    {360983, "\xB8\xDF\xB0\xB2\xCA\xD0"},  // "高安市"
    {361000, "\xB8\xA7\xD6\xDD\xCA\xD0"},  // "抚州市"
    {361001, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {361002, "\xC1\xD9\xB4\xA8\xC7\xF8"},  // "临川区"
    {361021, "\xC4\xCF\xB3\xC7\xCF\xD8"},  // "南城县"
    {361022, "\xC0\xE8\xB4\xA8\xCF\xD8"},  // "黎川县"
    {361023, "\xC4\xCF\xB7\xE1\xCF\xD8"},  // "南丰县"
    {361024, "\xB3\xE7\xC8\xCA\xCF\xD8"},  // "崇仁县"
    {361025, "\xC0\xD6\xB0\xB2\xCF\xD8"},  // "乐安县"
    {361026, "\xD2\xCB\xBB\xC6\xCF\xD8"},  // "宜黄县"
    {361027, "\xBD\xF0\xCF\xAA\xCF\xD8"},  // "金溪县"
    {361028, "\xD7\xCA\xCF\xAA\xCF\xD8"},  // "资溪县"
    {361029, "\xB6\xAB\xCF\xE7\xCF\xD8"},  // "东乡县"
    {361030, "\xB9\xE3\xB2\xFD\xCF\xD8"},  // "广昌县"
    {361100, "\xC9\xCF\xC8\xC4\xCA\xD0"},  // "上饶市"
    {361101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {361102, "\xD0\xC5\xD6\xDD\xC7\xF8"},  // "信州区"
    {361121, "\xC9\xCF\xC8\xC4\xCF\xD8"},  // "上饶县"
    {361122, "\xB9\xE3\xB7\xE1\xCF\xD8"},  // "广丰县"
    {361123, "\xD3\xF1\xC9\xBD\xCF\xD8"},  // "玉山县"
    {361124, "\xC7\xA6\xC9\xBD\xCF\xD8"},  // "铅山县"
    {361125, "\xBA\xE1\xB7\xE5\xCF\xD8"},  // "横峰县"
    {361126, "\xDF\xAE\xD1\xF4\xCF\xD8"},  // "弋阳县"
    {361127, "\xD3\xE0\xB8\xC9\xCF\xD8"},  // "余干县"
    {361128, "\xDB\xB6\xD1\xF4\xCF\xD8"},  // "鄱阳县"
    {361129, "\xCD\xF2\xC4\xEA\xCF\xD8"},  // "万年县"
    {361130, "\xE6\xC4\xD4\xB4\xCF\xD8"},  // "婺源县"
    {361181, "\xB5\xC2\xD0\xCB\xCA\xD0"},  // "德兴市"
};
static constexpr const char* const jiangxiNamesUtf8[] = {
    u8"南昌市",
    u8"市辖区",
    u8"东湖区",
    u8"西湖区",
    u8"青云谱区",
    u8"湾里区",
    u8"青山湖区",
    u8"南昌县",
    u8"新建县",
    u8"安义县",
    u8"进贤县",
    u8"景德镇市",
    u8"市辖区",
    u8"昌江区",
    u8"珠山区",
    u8"浮梁县",
    u8"乐平市",
    u8"萍乡市",
    u8"市辖区",
    u8"安源区",
    u8"湘东区",
    u8"莲花县",
    u8"上栗县",
    u8"芦溪县",
    u8"九江市",
    u8"市辖区",
    u8"庐山区",
    u8"浔阳区",
    u8"九江县",
    u8"武宁县",
    u8"修水县",
    u8"永修县",
    u8"德安县",
    u8"星子县",
    u8"都昌县",
    u8"湖口县",
    u8"彭泽县",
    u8"瑞昌市",
    u8"新余市",
    u8"市辖区",
    u8"渝水区",
    u8"分宜县",
    u8"鹰潭市",
    u8"市辖区",
    u8"月湖区",
    u8"余江县",
    u8"贵溪市",
    u8"赣州市",
    u8"市辖区",
    u8"章贡区",
    u8"赣县",
    u8"信丰县",
    u8"大余县",
    u8"上犹县",
    u8"崇义县",
    u8"安远县",
    u8"龙南县",
    u8"定南县",
    u8"全南县",
    u8"宁都县",
    u8"于都县",
    u8"兴国县",
    u8"会昌县",
    u8"寻乌县",
    u8"石城县",
    u8"瑞金市",
    u8"南康市",
    u8"吉安市",
    u8"市辖区",
    u8"吉州区",
    u8"青原区",
    u8"吉安县",
    u8"吉水县",
    u8"峡江县",
    u8"新干县",
    u8"永丰县",
    u8"泰和县",
    u8"遂川县",
    u8"万安县",
    u8"安福县",
    u8"永新县",
    u8"井冈山市",
    u8"宜春市",
    u8"市辖区",
    u8"袁州区",
    u8"奉新县",
    u8"万载县",
    u8"上高县",
    u8"宜丰县",
    u8"靖安县",
    u8"铜鼓县",
    u8"丰城市",
    u8"樟树市",
    u8"高安市",
    u8"抚州市",
    u8"市辖区",
    u8"临川区",
    u8"南城县",
    u8"黎川县",
    u8"南丰县",
    u8"崇仁县",
    u8"乐安县",
    u8"宜黄县",
    u8"金溪县",
    u8"资溪县",
    u8"东乡县",
    u8"广昌县",
    u8"上饶市",
    u8"市辖区",
    u8"信州区",
    u8"上饶县",
    u8"广丰县",
    u8"玉山县",
    u8"铅山县",
    u8"横峰县",
    u8"弋阳县",
    u8"余干县",
    u8"鄱阳县",
    u8"万年县",
    u8"婺源县",
    u8"德兴市",
};
static_assert(recordCount(jiangxiNamesUtf8) == recordCount(jiangxiRecords));
static constexpr ProvinceTable jiangxiTable = {jiangxiRecords, recordCount(jiangxiRecords), jiangxiNamesUtf8};

// 37 山东省: 174 records, 17 city-level
static constexpr DivisionEntry shandongRecords[] = {
    {370100, "\xBC\xC3\xC4\xCF\xCA\xD0"},  // "济南市"
    {370101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {370102, "\xC0\xFA\xCF\xC2\xC7\xF8"},  // "历下区"
    {370103, "\xCA\xD0\xD6\xD0\xC7\xF8"},  // "市中区"
    {370104, "\xBB\xB1\xD2\xF1\xC7\xF8"},  // "槐荫区"
    {370105, "\xCC\xEC\xC7\xC5\xC7\xF8"},  // "天桥区"
    {370112, "\xC0\xFA\xB3\xC7\xC7\xF8"},  // "历城区"
    {370113, "\xB3\xA4\xC7\xE5\xC7\xF8"},  // "长清区"
    {370124, "\xC6\xBD\xD2\xF5\xCF\xD8"},  // "平阴县"
    {370125, "\xBC\xC3\xD1\xF4\xCF\xD8"},  // "济阳县"
    {370126, "\xC9\xCC\xBA\xD3\xCF\xD8"},  // "商河县"
    {370181, "\xD5\xC2\xC7\xF0\xCA\xD0"},  // "章丘市"
    {370200, "\xC7\xE0\xB5\xBA\xCA\xD0"},  // "青岛市"
    {370201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {370202, "\xCA\xD0\xC4\xCF\xC7\xF8"},  // "市南区"
    {370203, "\xCA\xD0\xB1\xB1\xC7\xF8"},  // "市北区"
    {370205, "\xCB\xC4\xB7\xBD\xC7\xF8"},  // "四方区"
    {370211, "\xBB\xC6\xB5\xBA\xC7\xF8"},  // "黄岛区"
    {370212, "\xE1\xC0\xC9\xBD\xC7\xF8"},  // "崂山区"
    {370213, "\xC0\xEE\xB2\xD7\xC7\xF8"},  // "李沧区"
    {370214, "\xB3\xC7\xD1\xF4\xC7\xF8"},  // "城阳区"
    {370281, "\xBD\xBA\xD6\xDD\xCA\xD0"},  // "胶州市"
    {370282, "\xBC\xB4\xC4\xAB\xCA\xD0"},  // "即墨市"
    {370283, "\xC6\xBD\xB6\xC8\xCA\xD0"},  // "平度市"
    {370284, "\xBD\xBA\xC4\xCF\xCA\xD0"},  // "胶南市"
    {370285, "\xC0\xB3\xCE\xF7\xCA\xD0"},  // "莱西市"
    {370300, "\xD7\xCD\xB2\xA9\xCA\xD0"},  // "淄博市"
    {370301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {370302, "\xD7\xCD\xB4\xA8\xC7\xF8"},  // "淄川区"
    {370303, "\xD5\xC5\xB5\xEA\xC7\xF8"},  // "张店区"
    {370304, "\xB2\xA9\xC9\xBD\xC7\xF8"},  // "博山区"
    {370305, "\xC1\xD9\xD7\xCD\xC7\xF8"},  // "临淄区"
    {370306, "\xD6\xDC\xB4\xE5\xC7\xF8"},  // "周村区"
    {370321, "\xBB\xB8\xCC\xA8\xCF\xD8"},  // "桓台县"
    {370322, "\xB8\xDF\xC7\xE0\xCF\xD8"},  // "高青县"
    {370323, "\xD2\xCA\xD4\xB4\xCF\xD8"},  // "沂源县"
    {370400, "\xD4\xE6\xD7\xAF\xCA\xD0"},  // "枣庄市"
    {370401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {370402, "\xCA\xD0\xD6\xD0\xC7\xF8"},  // "市中区"
    {370403, "\xD1\xA6\xB3\xC7\xC7\xF8"},  // "薛城区"
    {370404, "\xE1\xBB\xB3\xC7\xC7\xF8"},  // "峄城区"
    {370405, "\xCC\xA8\xB6\xF9\xD7\xAF\xC7\xF8"},  // "台儿庄区"
    {370406, "\xC9\xBD\xCD\xA4\xC7\xF8"},  // "山亭区"
    {370481, "\xEB\xF8\xD6\xDD\xCA\xD0"},  // "滕州市"
    {370500, "\xB6\xAB\xD3\xAA\xCA\xD0"},  // "东营市"
    {370501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {370502, "\xB6\xAB\xD3\xAA\xC7\xF8"},  // "东营区"
    {370503, "\xBA\xD3\xBF\xDA\xC7\xF8"},  // "河口区"
    {370521, "\xBF\xD1\xC0\xFB\xCF\xD8"},  // "垦利县"
    {370522, "\xC0\xFB\xBD\xF2\xCF\xD8"},  // "利津县"
    {370523, "\xB9\xE3\xC8\xC4\xCF\xD8"},  // "广饶县"
    {370600, "\xD1\xCC\xCC\xA8\xCA\xD0"},  // "烟台市"
    {370601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {370602, "\xD6\xA5\xEE\xB7\xC7\xF8"},  // "芝罘区"
    {370611, "\xB8\xA3\xC9\xBD\xC7\xF8"},  // "福山区"
    {370612, "\xC4\xB2\xC6\xBD\xC7\xF8"},  // "牟平区"
    {370613, "\xC0\xB3\xC9\xBD\xC7\xF8"},  // "莱山区"
    {370634, "\xB3\xA4\xB5\xBA\xCF\xD8"},  // "长岛县"
    {370681, "\xC1\xFA\xBF\xDA\xCA\xD0"},  // "龙口市"
    {370682, "\xC0\xB3\xD1\xF4\xCA\xD0"},  // "莱阳市"
    {370683, "\xC0\xB3\xD6\xDD\xCA\xD0"},  // "莱州市"
    {370684, "\xC5\xEE\xC0\xB3\xCA\xD0"},  // "蓬莱市"
    {370685, "\xD5\xD0\xD4\xB6\xCA\xD0"},  // "招远市"
    {370686, "\xC6\xDC\xCF\xBC\xCA\xD0"},  // "栖霞市"
    {370687, "\xBA\xA3\xD1\xF4\xCA\xD0"},  // "海阳市"
    {370700, "\xCE\xAB\xB7\xBB\xCA\xD0"},  // "潍坊市"
    {370701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {370702, "\xCE\xAB\xB3\xC7\xC7\xF8"},  // "潍城区"
    {370703, "\xBA\xAE\xCD\xA4\xC7\xF8"},  // "寒亭区"
    {370704, "\xB7\xBB\xD7\xD3\xC7\xF8"},  // "坊子区"
    {370705, "\xBF\xFC\xCE\xC4\xC7\xF8"},  // "奎文区"
    {370724, "\xC1\xD9\xEB\xD4\xCF\xD8"},  // "临朐县"
    {370725, "\xB2\xFD\xC0\xD6\xCF\xD8"},  // "昌乐县"
    {370781, "\xC7\xE0\xD6\xDD\xCA\xD0"},  // "青州市"
    {370782, "\xD6\xEE\xB3\xC7\xCA\xD0"},  // "诸城市"
    {370783, "\xCA\xD9\xB9\xE2\xCA\xD0"},  // "寿光市"
    {370784, "\xB0\xB2\xC7\xF0\xCA\xD0"},  // "安丘市"
    {370785, "\xB8\xDF\xC3\xDC\xCA\xD0"},  // "高密市"
    {370786, "\xB2\xFD\xD2\xD8\xCA\xD0"},  // "昌邑市"
    {370800, "\xBC\xC3\xC4\xFE\xCA\xD0"},  // "济宁市"
    {370801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {370802, "\xCA\xD0\xD6\xD0\xC7\xF8"},  // "市中区"
    {370811, "\xC8\xCE\xB3\xC7\xC7\xF8"},  // "任城区"
    {370826, "\xCE\xA2\xC9\xBD\xCF\xD8"},  // "微山县"
    {370827, "\xD3\xE3\xCC\xA8\xCF\xD8"},  // "鱼台县"
    {370828, "\xBD\xF0\xCF\xE7\xCF\xD8"},  // "金乡县"
    {370829, "\xBC\xCE\xCF\xE9\xCF\xD8"},  // "嘉祥县"
    {370830, "\xE3\xEB\xC9\xCF\xCF\xD8"},  // "汶上县"
    {370831, "\xE3\xF4\xCB\xAE\xCF\xD8"},  // "泗水县"
    {370832, "\xC1\xBA\xC9\xBD\xCF\xD8"},  // "梁山县"
    {370881, "\xC7\xFA\xB8\xB7\xCA\xD0"},  // "曲阜市"
    {370882, "\xD9\xF0\xD6\xDD\xCA\xD0"},  // "兖州市"
    {370883, "\xD7\xDE\xB3\xC7\xCA\xD0"},  // "邹城市"
    {370900, "\xCC\xA9\xB0\xB2\xCA\xD0"},  // "泰安市"
    {370901, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {370902, "\xCC\xA9\xC9\xBD\xC7\xF8"},  // "泰山区"
    {370911, "\xE1\xB7\xD4\xC0\xC7\xF8"},  // "岱岳区"
    {370921, "\xC4\xFE\xD1\xF4\xCF\xD8"},  // "宁阳县"
    {370923, "\xB6\xAB\xC6\xBD\xCF\xD8"},  // "东平县"
    {370982, "\xD0\xC2\xCC\xA9\xCA\xD0"},  // "新泰市"
    {370983, "\xB7\xCA\xB3\xC7\xCA\xD0"},  // "肥城市"
    {371000, "\xCD\xFE\xBA\xA3\xCA\xD0"},  // "威海市"
    {371001, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {371002, "\xBB\xB7\xB4\xE4\xC7\xF8"},  // "环翠区"
    {371081, "\xCE\xC4\xB5\xC7\xCA\xD0"},  // "文登市"
    {371082, "\xC8\xD9\xB3\xC9\xCA\xD0"},  // "荣成市"
    {371083, "\xC8\xE9\xC9\xBD\xCA\xD0"},  // "乳山市"
    {371100, "\xC8\xD5\xD5\xD5\xCA\xD0"},  // "日照市"
    {371101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {371102, "\xB6\xAB\xB8\xDB\xC7\xF8"},  // "东港区"
    {371103, "\xE1\xB0\xC9\xBD\xC7\xF8"},  // "岚山区"
    {371121, "\xCE\xE5\xC1\xAB\xCF\xD8"},  // "五莲县"
    {371122, "\xDC\xEC\xCF\xD8"},  // "莒县"
    {371200, "\xC0\xB3\xCE\xDF\xCA\xD0"},  // "莱芜市"
    {371201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {371202, "\xC0\xB3\xB3\xC7\xC7\xF8"},  // "莱城区"
    {371203, "\xB8\xD6\xB3\xC7\xC7\xF8"},  // "钢城区"
    {371300, "\xC1\xD9\xD2\xCA\xCA\xD0"},  // "临沂市"
    {371301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {371302, "\xC0\xBC\xC9\xBD\xC7\xF8"},  // "兰山区"
    {371311, "\xC2\xDE\xD7\xAF\xC7\xF8"},  // "罗庄区"
    {371312, "\xBA\xD3\xB6\xAB\xC7\xF8"},  // "河东区"
    {371321, "\xD2\xCA\xC4\xCF\xCF\xD8"},  // "沂南县"
    {371322, "\xDB\xB0\xB3\xC7\xCF\xD8"},  // "郯城县"
    {371323, "\xD2\xCA\xCB\xAE\xCF\xD8"},  // "沂水县"
    {371324, "\xB2\xD4\xC9\xBD\xCF\xD8"},  // "苍山县"
    {371325, "\xB7\xD1\xCF\xD8"},  // "费县"
    {371326, "\xC6\xBD\xD2\xD8\xCF\xD8"},  // "平邑县"
    {371327, "\xDC\xEC\xC4\xCF\xCF\xD8"},  // "莒南县"
    {371328, "\xC3\xC9\xD2\xF5\xCF\xD8"},  // "蒙阴县"
    {371329, "\xC1\xD9\xE3\xF0\xCF\xD8"},  // "临沭县"
    {371400, "\xB5\xC2\xD6\xDD\xCA\xD0"},  // "德州市"
    {371401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {371402, "\xB5\xC2\xB3\xC7\xC7\xF8"},  // "德城区"
    {371421, "\xC1\xEA\xCF\xD8"},  // "陵县"
    {371422, "\xC4\xFE\xBD\xF2\xCF\xD8"},  // "宁津县"
    {371423, "\xC7\xEC\xD4\xC6\xCF\xD8"},  // "庆云县"
    {371424, "\xC1\xD9\xD2\xD8\xCF\xD8"},  // "临邑县"
    {371425, "\xC6\xEB\xBA\xD3\xCF\xD8"},  // "齐河县"
    {371426, "\xC6\xBD\xD4\xAD\xCF\xD8"},  // "平原县"
    {371427, "\xCF\xC4\xBD\xF2\xCF\xD8"},  // "夏津县"
    {371428, "\xCE\xE4\xB3\xC7\xCF\xD8"},  // "武城县"
    {371481, "\xC0\xD6\xC1\xEA\xCA\xD0"},  // "乐陵市"
    {371482, "\xD3\xED\xB3\xC7\xCA\xD0"},  // "禹城市"
    {371500, "\xC1\xC4\xB3\xC7\xCA\xD0"},  // "聊城市"
    {371501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {371502, "\xB6\xAB\xB2\xFD\xB8\xAE\xC7\xF8"},  // "东昌府区"
    {371521, "\xD1\xF4\xB9\xC8\xCF\xD8"},  // "阳谷县"
    {371522, "\xDD\xB7\xCF\xD8"},  // "莘县"
    {371523, "\xDC\xDD\xC6\xBD\xCF\xD8"},  // "茌平县"
    {371524, "\xB6\xAB\xB0\xA2\xCF\xD8"},  // "东阿县"
    {371525, "\xB9\xDA\xCF\xD8"},  // "冠县"
    {371526, "\xB8\xDF\xCC\xC6\xCF\xD8"},  // "高唐县"
    {371581, "\xC1\xD9\xC7\xE5\xCA\xD0"},  // "临清市"
    {371600, "\xB1\xF5\xD6\xDD\xCA\xD0"},  // "滨州市"
    {371601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {371602, "\xB1\xF5\xB3\xC7\xC7\xF8"},  // "滨城区"
    {371621, "\xBB\xDD\xC3\xF1\xCF\xD8"},  // "惠民县"
    {371622, "\xD1\xF4\xD0\xC5\xCF\xD8"},  // "阳信县"
    {371623, "\xCE\xDE\xE9\xA6\xCF\xD8"},  // "无棣县"
    {371624, "\xD5\xB4\xBB\xAF\xCF\xD8"},  // "沾化县"
    {371625, "\xB2\xA9\xD0\xCB\xCF\xD8"},  // "博兴县"
    {371626, "\xD7\xDE\xC6\xBD\xCF\xD8"},  // "邹平县"
    {371700, "\xBA\xCA\xD4\xF3\xCA\xD0"},  // "菏泽市"
    {371701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {371702, "\xC4\xB5\xB5\xA4\xC7\xF8"},  // "牡丹区"
    {371721, "\xB2\xDC\xCF\xD8"},  // "曹县"
    {371722, "\xB5\xA5\xCF\xD8"},  // "单县"
    {371723, "\xB3\xC9\xCE\xE4\xCF\xD8"},  // "成武县"
    {371724, "\xBE\xDE\xD2\xB0\xCF\xD8"},  // "巨野县"
    {371725, "\xDB\xA9\xB3\xC7\xCF\xD8"},  // "郓城县"
    {371726, "\xDB\xB2\xB3\xC7\xCF\xD8"},  // "鄄城县"
    {371727, "\xB6\xA8\xCC\xD5\xCF\xD8"},  // "定陶县"
    {371728, "\xB6\xAB\xC3\xF7\xCF\xD8"},  // "东明县"
};
static constexpr const char* const shandongNamesUtf8[] = {
    u8"济南市",
    u8"市辖区",
    u8"历下区",
    u8"市中区",
    u8"槐荫区",
    u8"天桥区",
    u8"历城区",
    u8"长清区",
    u8"平阴县",
    u8"济阳县",
    u8"商河县",
    u8"章丘市",
    u8"青岛市",
    u8"市辖区",
    u8"市南区",
    u8"市北区",
    u8"四方区",
    u8"黄岛区",
    u8"崂山区",
    u8"李沧区",
    u8"城阳区",
    u8"胶州市",
    u8"即墨市",
    u8"平度市",
    u8"胶南市",
    u8"莱西市",
    u8"淄博市",
    u8"市辖区",
    u8"淄川区",
    u8"张店区",
    u8"博山区",
    u8"临淄区",
    u8"周村区",
    u8"桓台县",
    u8"高青县",
    u8"沂源县",
    u8"枣庄市",
    u8"市辖区",
    u8"市中区",
    u8"薛城区",
    u8"峄城区",
    u8"台儿庄区",
    u8"山亭区",
    u8"滕州市",
    u8"东营市",
    u8"市辖区",
    u8"东营区",
    u8"河口区",
    u8"垦利县",
    u8"利津县",
    u8"广饶县",
    u8"烟台市",
    u8"市辖区",
    u8"芝罘区",
    u8"福山区",
    u8"牟平区",
    u8"莱山区",
    u8"长岛县",
    u8"龙口市",
    u8"莱阳市",
    u8"莱州市",
    u8"蓬莱市",
    u8"招远市",
    u8"栖霞市",
    u8"海阳市",
    u8"潍坊市",
    u8"市辖区",
    u8"潍城区",
    u8"寒亭区",
    u8"坊子区",
    u8"奎文区",
    u8"临朐县",
    u8"昌乐县",
    u8"青州市",
    u8"诸城市",
    u8"寿光市",
    u8"安丘市",
    u8"高密市",
    u8"昌邑市",
    u8"济宁市",
    u8"市辖区",
    u8"市中区",
    u8"任城区",
    u8"微山县",
    u8"鱼台县",
    u8"金乡县",
    u8"嘉祥县",
    u8"汶上县",
    u8"泗水县",
    u8"梁山县",
    u8"曲阜市",
    u8"兖州市",
    u8"邹城市",
    u8"泰安市",
    u8"市辖区",
    u8"泰山区",
    u8"岱岳区",
    u8"宁阳县",
    u8"东平县",
    u8"新泰市",
    u8"肥城市",
    u8"威海市",
    u8"市辖区",
    u8"环翠区",
    u8"文登市",
    u8"荣成市",
    u8"乳山市",
    u8"日照市",
    u8"市辖区",
    u8"东港区",
    u8"岚山区",
    u8"五莲县",
    u8"莒县",
    u8"莱芜市",
    u8"市辖区",
    u8"莱城区",
    u8"钢城区",
    u8"临沂市",
    u8"市辖区",
    u8"兰山区",
    u8"罗庄区",
    u8"河东区",
    u8"沂南县",
    u8"郯城县",
    u8"沂水县",
    u8"苍山县",
    u8"费县",
    u8"平邑县",
    u8"莒南县",
    u8"蒙阴县",
    u8"临沭县",
    u8"德州市",
    u8"市辖区",
    u8"德城区",
    u8"陵县",
    u8"宁津县",
    u8"庆云县",
    u8"临邑县",
    u8"齐河县",
    u8"平原县",
    u8"夏津县",
    u8"武城县",
    u8"乐陵市",
    u8"禹城市",
    u8"聊城市",
    u8"市辖区",
    u8"东昌府区",
    u8"阳谷县",
    u8"莘县",
    u8"茌平县",
    u8"东阿县",
    u8"冠县",
    u8"高唐县",
    u8"临清市",
    u8"滨州市",
    u8"市辖区",
    u8"滨城区",
    u8"惠民县",
    u8"阳信县",
    u8"无棣县",
    u8"沾化县",
    u8"博兴县",
    u8"邹平县",
    u8"菏泽市",
    u8"市辖区",
    u8"牡丹区",
    u8"曹县",
    u8"单县",
    u8"成武县",
    u8"巨野县",
    u8"郓城县",
    u8"鄄城县",
    u8"定陶县",
    u8"东明县",
};
static_assert(recordCount(shandongNamesUtf8) == recordCount(shandongRecords));
static constexpr ProvinceTable shandongTable = {shandongRecords, recordCount(shandongRecords), shandongNamesUtf8};

// 41 河南省: 193 records, 17 city-level
static constexpr DivisionEntry henanRecords[] = {
    {410100, "\xD6\xA3\xD6\xDD\xCA\xD0"},  // "郑州市"
    {410101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {410102, "\xD6\xD0\xD4\xAD\xC7\xF8"},  // "中原区"
    {410103, "\xB6\xFE\xC6\xDF\xC7\xF8"},  // "二七区"
    {410104, "\xB9\xDC\xB3\xC7\xBB\xD8\xD7\xE5\xC7\xF8"},  // "管城回族区"
    {410105, "\xBD\xF0\xCB\xAE\xC7\xF8"},  // "金水区"
    {410106, "\xC9\xCF\xBD\xD6\xC7\xF8"},  // "上街区"
    {410108, "\xBB\xDD\xBC\xC3\xC7\xF8"},  // "惠济区"
    {410122, "\xD6\xD0\xC4\xB2\xCF\xD8"},  // "中牟县"
    {410181, "\xB9\xAE\xD2\xE5\xCA\xD0"},  // "巩义市"
    {410182, "\xDC\xFE\xD1\xF4\xCA\xD0"},  // "荥阳市"
    {410183, "\xD0\xC2\xC3\xDC\xCA\xD0"},  // "新密市"
    {410184, "\xD0\xC2\xD6\xA3\xCA\xD0"},  // "新郑市"
    {410185, "\xB5\xC7\xB7\xE2\xCA\xD0"},  // "登封市"
    {410200, "\xBF\xAA\xB7\xE2\xCA\xD0"},  // "开封市"
    {410201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {410202, "\xC1\xFA\xCD\xA4\xC7\xF8"},  // "龙亭区"
    {410203, "\xCB\xB3\xBA\xD3\xBB\xD8\xD7\xE5\xC7\xF8"},  // "顺河回族区"
    {410204, "\xB9\xC4\xC2\xA5\xC7\xF8"},  // "鼓楼区"
    {410205, "\xD3\xED\xCD\xF5\xCC\xA8\xC7\xF8"},  // "禹王台区"
    {410211, "\xBD\xF0\xC3\xF7\xC7\xF8"},  // "金明区"
    {410221, "\xE8\xBD\xCF\xD8"},  // "杞县"
    {410222, "\xCD\xA8\xD0\xED\xCF\xD8"},  // "通许县"
    {410223, "\xCE\xBE\xCA\xCF\xCF\xD8"},  // "尉氏县"
    {410224, "\xBF\xAA\xB7\xE2\xCF\xD8"},  // "开封县"
    {410225, "\xC0\xBC\xBF\xBC\xCF\xD8"},  // "兰考县"
    {410300, "\xC2\xE5\xD1\xF4\xCA\xD0"},  // "洛阳市"
    {410301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {410302, "\xC0\xCF\xB3\xC7\xC7\xF8"},  // "老城区"
    {410303, "\xCE\xF7\xB9\xA4\xC7\xF8"},  // "西工区"
    {410304, "\x9E" "e\xBA\xD3\xBB\xD8\xD7\xE5\xC7\xF8"},  // "瀍河回族区"
    {410305, "\xBD\xA7\xCE\xF7\xC7\xF8"},  // "涧西区"
    {410306, "\xBC\xAA\xC0\xFB\xC7\xF8"},  // "吉利区"
    {410311, "\xC2\xE5\xC1\xFA\xC7\xF8"},  // "洛龙区"
    {410322, "\xC3\xCF\xBD\xF2\xCF\xD8"},  // "孟津县"
    {410323, "\xD0\xC2\xB0\xB2\xCF\xD8"},  // "新安县"
    {410324, "\xE8\xEF\xB4\xA8\xCF\xD8"},  // "栾川县"
    {410325, "\xE1\xD4\xCF\xD8"},  // "嵩县"
    {410326, "\xC8\xEA\xD1\xF4\xCF\xD8"},  // "汝阳县"
    {410327, "\xD2\xCB\xD1\xF4\xCF\xD8"},  // "宜阳县"
    {410328, "\xC2\xE5\xC4\xFE\xCF\xD8"},  // "洛宁县"
    {410329, "\xD2\xC1\xB4\xA8\xCF\xD8"},  // "伊川县"
    {410381, "\xD9\xC8\xCA\xA6\xCA\xD0"},  // "偃师市"
    {410400, "\xC6\xBD\xB6\xA5\xC9\xBD\xCA\xD0"},  // "平顶山市"
    {410401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {410402, "\xD0\xC2\xBB\xAA\xC7\xF8"},  // "新华区"
    {410403, "\xCE\xC0\xB6\xAB\xC7\xF8"},  // "卫东区"
    {410404, "\xCA\xAF\xC1\xFA\xC7\xF8"},  // "石龙区"
    {410411, "\xD5\xBF\xBA\xD3\xC7\xF8"},  // "湛河区"
    {410421, "\xB1\xA6\xB7\xE1\xCF\xD8"},  // "宝丰县"
    {410422, "\xD2\xB6\xCF\xD8"},  // "叶县"
    {410423, "\xC2\xB3\xC9\xBD\xCF\xD8"},  // "鲁山县"
    {410425, "\xDB\xA3\xCF\xD8"},  // "郏县"
    {410481, "\xCE\xE8\xB8\xD6\xCA\xD0"},  // "舞钢市"
    {410482, "\xC8\xEA\xD6\xDD\xCA\xD0"},  // "汝州市"
    {410500, "\xB0\xB2\xD1\xF4\xCA\xD0"},  // "安阳市"
    {410501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {410502, "\xCE\xC4\xB7\xE5\xC7\xF8"},  // "文峰区"
    {410503, "\xB1\xB1\xB9\xD8\xC7\xF8"},  // "北关区"
    {410505, "\xD2\xF3\xB6\xBC\xC7\xF8"},  // "殷都区"
    {410506, "\xC1\xFA\xB0\xB2\xC7\xF8"},  // "龙安区"
    {410522, "\xB0\xB2\xD1\xF4\xCF\xD8"},  // "安阳县"
    {410523, "\xCC\xC0\xD2\xF5\xCF\xD8"},  // "汤阴县"
    {410526, "\xBB\xAC\xCF\xD8"},  // "滑县"
    {410527, "\xC4\xDA\xBB\xC6\xCF\xD8"},  // "内黄县"
    {410581, "\xC1\xD6\xD6\xDD\xCA\xD0"},  // "林州市"
    {410600, "\xBA\xD7\xB1\xDA\xCA\xD0"},  // "鹤壁市"
    {410601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {410602, "\xBA\xD7\xC9\xBD\xC7\xF8"},  // "鹤山区"
    {410603, "\xC9\xBD\xB3\xC7\xC7\xF8"},  // "山城区"
    {410611, "\xE4\xBF\xB1\xF5\xC7\xF8"},  // "淇滨区"
    {410621, "\xBF\xA3\xCF\xD8"},  // "浚县"
    {410622, "\xE4\xBF\xCF\xD8"},  // "淇县"
    {410700, "\xD0\xC2\xCF\xE7\xCA\xD0"},  // "新乡市"
    {410701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {410702, "\xBA\xEC\xC6\xEC\xC7\xF8"},  // "红旗区"
    {410703, "\xCE\xC0\xB1\xF5\xC7\xF8"},  // "卫滨区"
    {410704, "\xB7\xEF\xC8\xAA\xC7\xF8"},  // "凤泉区"
    {410711, "\xC4\xC1\xD2\xB0\xC7\xF8"},  // "牧野区"
    {410721, "\xD0\xC2\xCF\xE7\xCF\xD8"},  // "新乡县"
    {410724, "\xBB\xF1\xBC\xCE\xCF\xD8"},  // "获嘉县"
    {410725, "\xD4\xAD\xD1\xF4\xCF\xD8"},  // "原阳县"
    {410726, "\xD1\xD3\xBD\xF2\xCF\xD8"},  // "延津县"
    {410727, "\xB7\xE2\xC7\xF0\xCF\xD8"},  // "封丘县"
    {410728, "\xB3\xA4\xD4\xAB\xCF\xD8"},  // "长垣县"
    {410781, "\xCE\xC0\xBB\xD4\xCA\xD0"},  // "卫辉市"
    {410782, "\xBB\xD4\xCF\xD8\xCA\xD0"},  // "辉县市"
    {410800, "\xBD\xB9\xD7\xF7\xCA\xD0"},  // "焦作市"
    {410801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {410802, "\xBD\xE2\xB7\xC5\xC7\xF8"},  // "解放区"
    {410803, "\xD6\xD0\xD5\xBE\xC7\xF8"},  // "中站区"
    {410804, "\xC2\xED\xB4\xE5\xC7\xF8"},  // "马村区"
    {410811, "\xC9\xBD\xD1\xF4\xC7\xF8"},  // "山阳区"
    {410821, "\xD0\xDE\xCE\xE4\xCF\xD8"},  // "修武县"
    {410822, "\xB2\xA9\xB0\xAE\xCF\xD8"},  // "博爱县"
    {410823, "\xCE\xE4\xDA\xEC\xCF\xD8"},  // "武陟县"
    {410825, "\xCE\xC2\xCF\xD8"},  // "温县"
    {410882, "\xC7\xDF\xD1\xF4\xCA\xD0"},  // "沁阳市"
    {410883, "\xC3\xCF\xD6\xDD\xCA\xD0"},  // "孟州市"
    {410900, "\xE5\xA7\xD1\xF4\xCA\xD0"},  // "濮阳市"
    {410901, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {410902, "\xBB\xAA\xC1\xFA\xC7\xF8"},  // "华龙区"
    {410922, "\xC7\xE5\xB7\xE1\xCF\xD8"},  // "清丰县"
    {410923, "\xC4\xCF\xC0\xD6\xCF\xD8"},  // "南乐县"
    {410926, "\xB7\xB6\xCF\xD8"},  // "范县"
    {410927, "\xCC\xA8\xC7\xB0\xCF\xD8"},  // "台前县"
    {410928, "\xE5\xA7\xD1\xF4\xCF\xD8"},  // "濮阳县"
    {411000, "\xD0\xED\xB2\xFD\xCA\xD0"},  // "许昌市"
    {411001, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {411002, "\xCE\xBA\xB6\xBC\xC7\xF8"},  // "魏都区"
    {411023, "\xD0\xED\xB2\xFD\xCF\xD8"},  // "许昌县"
    {411024, "\xDB\xB3\xC1\xEA\xCF\xD8"},  // "鄢陵县"
    {411025, "\xCF\xE5\xB3\xC7\xCF\xD8"},  // "襄城县"
    {411081, "\xD3\xED\xD6\xDD\xCA\xD0"},  // "禹州市"
    {411082, "\xB3\xA4\xB8\xF0\xCA\xD0"},  // "长葛市"
    {411100, "\xE4\xF0\xBA\xD3\xCA\xD0"},  // "漯河市"
    {411101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {411102, "\xD4\xB4\xBB\xE3\xC7\xF8"},  // "源汇区"
    {411103, "\xDB\xB1\xB3\xC7\xC7\xF8"},  // "郾城区"
    {411104, "\xD5\xD9\xC1\xEA\xC7\xF8"},  // "召陵区"
    {411121, "\xCE\xE8\xD1\xF4\xCF\xD8"},  // "舞阳县"
    {411122, "\xC1\xD9\xF2\xA3\xCF\xD8"},  // "临颍县"
    {411200, "\xC8\xFD\xC3\xC5\xCF\xBF\xCA\xD0"},  // "三门峡市"
    {411201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {411202, "\xBA\xFE\xB1\xF5\xC7\xF8"},  // "湖滨区"
    {411221, "\xE4\xC5\xB3\xD8\xCF\xD8"},  // "渑池县"
    {411222, "\xC9\xC2\xCF\xD8"},  // "陕县"
    {411224, "\xC2\xAC\xCA\xCF\xCF\xD8"},  // "卢氏县"
    {411281, "\xD2\xE5\xC2\xED\xCA\xD0"},  // "义马市"
    {411282, "\xC1\xE9\xB1\xA6\xCA\xD0"},  // "灵宝市"
    {411300, "\xC4\xCF\xD1\xF4\xCA\xD0"},  // "南阳市"
    {411301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {411302, "\xCD\xF0\xB3\xC7\xC7\xF8"},  // "宛城区"
    {411303, "\xCE\xD4\xC1\xFA\xC7\xF8"},  // "卧龙区"
    {411321, "\xC4\xCF\xD5\xD9\xCF\xD8"},  // "南召县"
    {411322, "\xB7\xBD\xB3\xC7\xCF\xD8"},  // "方城县"
    {411323, "\xCE\xF7\xCF\xBF\xCF\xD8"},  // "西峡县"
    {411324, "\xD5\xF2\xC6\xBD\xCF\xD8"},  // "镇平县"
    {411325, "\xC4\xDA\xCF\xE7\xCF\xD8"},  // "内乡县"
    {411326, "\xE4\xC0\xB4\xA8\xCF\xD8"},  // "淅川县"
    {411327, "\xC9\xE7\xC6\xEC\xCF\xD8"},  // "社旗县"
    {411328, "\xCC\xC6\xBA\xD3\xCF\xD8"},  // "唐河县"
    {411329, "\xD0\xC2\xD2\xB0\xCF\xD8"},  // "新野县"
    {411330, "\xCD\xA9\xB0\xD8\xCF\xD8"},  // "桐柏县"
    {411381, "\xB5\xCB\xD6\xDD\xCA\xD0"},  // "邓州市"
    {411400, "\xC9\xCC\xC7\xF0\xCA\xD0"},  // "商丘市"
    {411401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {411402, "\xC1\xBA\xD4\xB0\xC7\xF8"},  // "梁园区"
    {411403, "\xEE\xA1\xD1\xF4\xC7\xF8"},  // "睢阳区"
    {411421, "\xC3\xF1\xC8\xA8\xCF\xD8"},  // "民权县"
    {411422, "\xEE\xA1\xCF\xD8"},  // "睢县"
    {411423, "\xC4\xFE\xC1\xEA\xCF\xD8"},  // "宁陵县"
    {411424, "\xE8\xCF\xB3\xC7\xCF\xD8"},  // "柘城县"
    {411425, "\xD3\xDD\xB3\xC7\xCF\xD8"},  // "虞城县"
    {411426, "\xCF\xC4\xD2\xD8\xCF\xD8"},  // "夏邑县"
    {411481, "\xD3\xC0\xB3\xC7\xCA\xD0"},  // "永城市"
    {411500, "\xD0\xC5\xD1\xF4\xCA\xD0"},  // "信阳市"
    {411501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {411502, "\x9B\xB8\xBA\xD3\xC7\xF8"},  // "浉河区"
    {411503, "\xC6\xBD\xC7\xC5\xC7\xF8"},  // "平桥区"
    {411521, "\xC2\xDE\xC9\xBD\xCF\xD8"},  // "罗山县"
    {411522, "\xB9\xE2\xC9\xBD\xCF\xD8"},  // "光山县"
    {411523, "\xD0\xC2\xCF\xD8"},  // "新县"
    {411524, "\xC9\xCC\xB3\xC7\xCF\xD8"},  // "商城县"
    {411525, "\xB9\xCC\xCA\xBC\xCF\xD8"},  // "固始县"
    {411526, "\xE4\xEA\xB4\xA8\xCF\xD8"},  // "潢川县"
    {411527, "\xBB\xB4\xB1\xF5\xCF\xD8"},  // "淮滨县"
    {411528, "\xCF\xA2\xCF\xD8"},  // "息县"
    {411600, "\xD6\xDC\xBF\xDA\xCA\xD0"},  // "周口市"
    {411601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {411602, "\xB4\xA8\xBB\xE3\xC7\xF8"},  // "川汇区"
    {411621, "\xB7\xF6\xB9\xB5\xCF\xD8"},  // "扶沟县"
    {411622, "\xCE\xF7\xBB\xAA\xCF\xD8"},  // "西华县"
    {411623, "\xC9\xCC\xCB\xAE\xCF\xD8"},  // "商水县"
    {411624, "\xC9\xF2\xC7\xF0\xCF\xD8"},  // "沈丘县"
    {411625, "\xB5\xA6\xB3\xC7\xCF\xD8"},  // "郸城县"
    {411626, "\xBB\xB4\xD1\xF4\xCF\xD8"},  // "淮阳县"
    {411627, "\xCC\xAB\xBF\xB5\xCF\xD8"},  // "太康县"
    {411628, "\xC2\xB9\xD2\xD8\xCF\xD8"},  // "鹿邑县"
    {411681, "\xCF\xEE\xB3\xC7\xCA\xD0"},  // "项城市"
    {411700, "\xD7\xA4\xC2\xED\xB5\xEA\xCA\xD0"},  // "驻马店市"
    {411701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {411702, "\xE6\xE4\xB3\xC7\xC7\xF8"},  // "驿城区"
    {411721, "\xCE\xF7\xC6\xBD\xCF\xD8"},  // "西平县"
    {411722, "\xC9\xCF\xB2\xCC\xCF\xD8"},  // "上蔡县"
    {411723, "\xC6\xBD\xD3\xDF\xCF\xD8"},  // "平舆县"
    {411724, "\xD5\xFD\xD1\xF4\xCF\xD8"},  // "正阳县"
    {411725, "\xC8\xB7\xC9\xBD\xCF\xD8"},  // "确山县"
    {411726, "\xC3\xDA\xD1\xF4\xCF\xD8"},  // "泌阳县"
    {411727, "\xC8\xEA\xC4\xCF\xCF\xD8"},  // "汝南县"
    {411728, "\xCB\xEC\xC6\xBD\xCF\xD8"},  // "遂平县"
    {411729, "\xD0\xC2\xB2\xCC\xCF\xD8"},  // "新蔡县"
    {419001, "\xBC\xC3\xD4\xB4\xCA\xD0"},  // "济源市"
};
static constexpr const char* const henanNamesUtf8[] = {
    u8"郑州市",
    u8"市辖区",
    u8"中原区",
    u8"二七区",
    u8"管城回族区",
    u8"金水区",
    u8"上街区",
    u8"惠济区",
    u8"中牟县",
    u8"巩义市",
    u8"荥阳市",
    u8"新密市",
    u8"新郑市",
    u8"登封市",
    u8"开封市",
    u8"市辖区",
    u8"龙亭区",
    u8"顺河回族区",
    u8"鼓楼区",
    u8"禹王台区",
    u8"金明区",
    u8"杞县",
    u8"通许县",
    u8"尉氏县",
    u8"开封县",
    u8"兰考县",
    u8"洛阳市",
    u8"市辖区",
    u8"老城区",
    u8"西工区",
    u8"瀍河回族区",
    u8"涧西区",
    u8"吉利区",
    u8"洛龙区",
    u8"孟津县",
    u8"新安县",
    u8"栾川县",
    u8"嵩县",
    u8"汝阳县",
    u8"宜阳县",
    u8"洛宁县",
    u8"伊川县",
    u8"偃师市",
    u8"平顶山市",
    u8"市辖区",
    u8"新华区",
    u8"卫东区",
    u8"石龙区",
    u8"湛河区",
    u8"宝丰县",
    u8"叶县",
    u8"鲁山县",
    u8"郏县",
    u8"舞钢市",
    u8"汝州市",
    u8"安阳市",
    u8"市辖区",
    u8"文峰区",
    u8"北关区",
    u8"殷都区",
    u8"龙安区",
    u8"安阳县",
    u8"汤阴县",
    u8"滑县",
    u8"内黄县",
    u8"林州市",
    u8"鹤壁市",
    u8"市辖区",
    u8"鹤山区",
    u8"山城区",
    u8"淇滨区",
    u8"浚县",
    u8"淇县",
    u8"新乡市",
    u8"市辖区",
    u8"红旗区",
    u8"卫滨区",
    u8"凤泉区",
    u8"牧野区",
    u8"新乡县",
    u8"获嘉县",
    u8"原阳县",
    u8"延津县",
    u8"封丘县",
    u8"长垣县",
    u8"卫辉市",
    u8"辉县市",
    u8"焦作市",
    u8"市辖区",
    u8"解放区",
    u8"中站区",
    u8"马村区",
    u8"山阳区",
    u8"修武县",
    u8"博爱县",
    u8"武陟县",
    u8"温县",
    u8"沁阳市",
    u8"孟州市",
    u8"濮阳市",
    u8"市辖区",
    u8"华龙区",
    u8"清丰县",
    u8"南乐县",
    u8"范县",
    u8"台前县",
    u8"濮阳县",
    u8"许昌市",
    u8"市辖区",
    u8"魏都区",
    u8"许昌县",
    u8"鄢陵县",
    u8"襄城县",
    u8"禹州市",
    u8"长葛市",
    u8"漯河市",
    u8"市辖区",
    u8"源汇区",
    u8"郾城区",
    u8"召陵区",
    u8"舞阳县",
    u8"临颍县",
    u8"三门峡市",
    u8"市辖区",
    u8"湖滨区",
    u8"渑池县",
    u8"陕县",
    u8"卢氏县",
    u8"义马市",
    u8"灵宝市",
    u8"南阳市",
    u8"市辖区",
    u8"宛城区",
    u8"卧龙区",
    u8"南召县",
    u8"方城县",
    u8"西峡县",
    u8"镇平县",
    u8"内乡县",
    u8"淅川县",
    u8"社旗县",
    u8"唐河县",
    u8"新野县",
    u8"桐柏县",
    u8"邓州市",
    u8"商丘市",
    u8"市辖区",
    u8"梁园区",
    u8"睢阳区",
    u8"民权县",
    u8"睢县",
    u8"宁陵县",
    u8"柘城县",
    u8"虞城县",
    u8"夏邑县",
    u8"永城市",
    u8"信阳市",
    u8"市辖区",
    u8"浉河区",
    u8"平桥区",
    u8"罗山县",
    u8"光山县",
    u8"新县",
    u8"商城县",
    u8"固始县",
    u8"潢川县",
    u8"淮滨县",
    u8"息县",
    u8"周口市",
    u8"市辖区",
    u8"川汇区",
    u8"扶沟县",
    u8"西华县",
    u8"商水县",
    u8"沈丘县",
    u8"郸城县",
    u8"淮阳县",
    u8"太康县",
    u8"鹿邑县",
    u8"项城市",
    u8"驻马店市",
    u8"市辖区",
    u8"驿城区",
    u8"西平县",
    u8"上蔡县",
    u8"平舆县",
    u8"正阳县",
    u8"确山县",
    u8"泌阳县",
    u8"汝南县",
    u8"遂平县",
    u8"新蔡县",
    u8"济源市",
};
static_assert(recordCount(henanNamesUtf8) == recordCount(henanRecords));
static constexpr ProvinceTable henanTable = {henanRecords, recordCount(henanRecords), henanNamesUtf8};

// 42 湖北省: 129 records, 14 city-level
static constexpr DivisionEntry hubeiRecords[] = {
    {420100, "\xCE\xE4\xBA\xBA\xCA\xD0"},  // "武汉市"
    {420101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {420102, "\xBD\xAD\xB0\xB6\xC7\xF8"},  // "江岸区"
    {420103, "\xBD\xAD\xBA\xBA\xC7\xF8"},  // "江汉区"
    {420104, "\xB3~\xBF\xDA\xC7\xF8"},  // "硚口区"
    {420105, "\xBA\xBA\xD1\xF4\xC7\xF8"},  // "汉阳区"
    {420106, "\xCE\xE4\xB2\xFD\xC7\xF8"},  // "武昌区"
    {420107, "\xC7\xE0\xC9\xBD\xC7\xF8"},  // "青山区"
    {420111, "\xBA\xE9\xC9\xBD\xC7\xF8"},  // "洪山区"
    {420112, "\xB6\xAB\xCE\xF7\xBA\xFE\xC7\xF8"},  // "东西湖区"
    {420113, "\xBA\xBA\xC4\xCF\xC7\xF8"},  // "汉南区"
    {420114, "\xB2\xCC\xB5\xE9\xC7\xF8"},  // "蔡甸区"
    {420115, "\xBD\xAD\xCF\xC4\xC7\xF8"},  // "江夏区"
    {420116, "\xBB\xC6\xDA\xE9\xC7\xF8"},  // "黄陂区"
    {420117, "\xD0\xC2\xD6\xDE\xC7\xF8"},  // "新洲区"
    {420200, "\xBB\xC6\xCA\xAF\xCA\xD0"},  // "黄石市"
    {420201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {420202, "\xBB\xC6\xCA\xAF\xB8\xDB\xC7\xF8"},  // "黄石港区"
    {420203, "\xCE\xF7\xC8\xFB\xC9\xBD\xC7\xF8"},  // "西塞山区"
    {420204, "\xCF\xC2\xC2\xBD\xC7\xF8"},  // "下陆区"
    {420205, "\xCC\xFA\xC9\xBD\xC7\xF8"},  // "铁山区"
    {420222, "\xD1\xF4\xD0\xC2\xCF\xD8"},  // "阳新县"
    {420281, "\xB4\xF3\xD2\xB1\xCA\xD0"},  // "大冶市"
    {420300, "\xCA\xAE\xD1\xDF\xCA\xD0"},  // "十堰市"
    {420301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {420302, "\xC3\xA9\xBC\xFD\xC7\xF8"},  // "茅箭区"
    {420303, "\xD5\xC5\xCD\xE5\xC7\xF8"},  // "张湾区"
    {420321, "\xD4\xC7\xCF\xD8"},  // "郧县"
    {420322, "\xD4\xC7\xCE\xF7\xCF\xD8"},  // "郧西县"
    {420323, "\xD6\xF1\xC9\xBD\xCF\xD8"},  // "竹山县"
    {420324, "\xD6\xF1\xCF\xAA\xCF\xD8"},  // "竹溪县"
    {420325, "\xB7\xBF\xCF\xD8"},  // "房县"
    {420381, "\xB5\xA4\xBD\xAD\xBF\xDA\xCA\xD0"},  // "丹江口市"
    {420500, "\xD2\xCB\xB2\xFD\xCA\xD0"},  // "宜昌市"
    {420501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {420502, "\xCE\xF7\xC1\xEA\xC7\xF8"},  // "西陵区"
    {420503, "\xCE\xE9\xBC\xD2\xB8\xDA\xC7\xF8"},  // "伍家岗区"
    {420504, "\xB5\xE3\xBE\xFC\xC7\xF8"},  // "点军区"
    {420505, "\xAAV\xCD\xA4\xC7\xF8"},  // "猇亭区"
    {420506, "\xD2\xC4\xC1\xEA\xC7\xF8"},  // "夷陵区"
    {420525, "\xD4\xB6\xB0\xB2\xCF\xD8"},  // "远安县"
    {420526, "\xD0\xCB\xC9\xBD\xCF\xD8"},  // "兴山县"
    {420527, "\xEF\xF6\xB9\xE9\xCF\xD8"},  // "秭归县"
    {420528, "\xB3\xA4\xD1\xF4\xCD\xC1\xBC\xD2\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "长阳土家族自治县"
    {420529, "\xCE\xE5\xB7\xE5\xCD\xC1\xBC\xD2\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "五峰土家族自治县"
    {420581, "\xD2\xCB\xB6\xBC\xCA\xD0"},  // "宜都市"
    {420582, "\xB5\xB1\xD1\xF4\xCA\xD0"},  // "当阳市"
    {420583, "\xD6\xA6\xBD\xAD\xCA\xD0"},  // "枝江市"
    {420600, "\xCF\xE5\xB7\xAE\xCA\xD0"},  // "襄樊市"
    {420601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {420602, "\xCF\xE5\xB3\xC7\xC7\xF8"},  // "襄城区"
    {420606, "\xB7\xAE\xB3\xC7\xC7\xF8"},  // "樊城区"
    {420607, "\xCF\xE5\xD1\xF4\xC7\xF8"},  // "襄阳区"
    {420624, "\xC4\xCF\xD5\xC4\xCF\xD8"},  // "南漳县"
    {420625, "\xB9\xC8\xB3\xC7\xCF\xD8"},  // "谷城县"
    {420626, "\xB1\xA3\xBF\xB5\xCF\xD8"},  // "保康县"
    {420682, "\xC0\xCF\xBA\xD3\xBF\xDA\xCA\xD0"},  // "老河口市"
    {420683, "\xD4\xE6\xD1\xF4\xCA\xD0"},  // "枣阳市"
    {420684, "\xD2\xCB\xB3\xC7\xCA\xD0"},  // "宜城市"
    {420700, "\xB6\xF5\xD6\xDD\xCA\xD0"},  // "鄂州市"
    {420701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {420702, "\xC1\xBA\xD7\xD3\xBA\xFE\xC7\xF8"},  // "梁子湖区"
    {420703, "\xBB\xAA\xC8\xDD\xC7\xF8"},  // "华容区"
    {420704, "\xB6\xF5\xB3\xC7\xC7\xF8"},  // "鄂城区"
    {420800, "\xBE\xA3\xC3\xC5\xCA\xD0"},  // "荆门市"
    {420801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {420802, "\xB6\xAB\xB1\xA6\xC7\xF8"},  // "东宝区"
    {420804, "\xB6\xDE\xB5\xB6\xC7\xF8"},  // "掇刀区"
    {420821, "\xBE\xA9\xC9\xBD\xCF\xD8"},  // "京山县"
    {420822, "\xC9\xB3\xD1\xF3\xCF\xD8"},  // "沙洋县"
    {420881, "\xD6\xD3\xCF\xE9\xCA\xD0"},  // "钟祥市"
    {420900, "\xD0\xA2\xB8\xD0\xCA\xD0"},  // "孝感市"
    {420901, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {420902, "\xD0\xA2\xC4\xCF\xC7\xF8"},  // "孝南区"
    {420921, "\xD0\xA2\xB2\xFD\xCF\xD8"},  // "孝昌县"
    {420922, "\xB4\xF3\xCE\xF2\xCF\xD8"},  // "大悟县"
    {420923, "\xD4\xC6\xC3\xCE\xCF\xD8"},  // "云梦县"
    {420981, "\xD3\xA6\xB3\xC7\xCA\xD0"},  // "应城市"
    {420982, "\xB0\xB2\xC2\xBD\xCA\xD0"},  // "安陆市"
    {420984, "\xBA\xBA\xB4\xA8\xCA\xD0"},  // "汉川市"
    {421000, "\xBE\xA3\xD6\xDD\xCA\xD0"},  // "荆州市"
    {421001, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {421002, "\xC9\xB3\xCA\xD0\xC7\xF8"},  // "沙市区"
    {421003, "\xBE\xA3\xD6\xDD\xC7\xF8"},  // "荆州区"
    {421022, "\xB9\xAB\xB0\xB2\xCF\xD8"},  // "公安县"
    {421023, "\xBC\xE0\xC0\xFB\xCF\xD8"},  // "监利县"
    {421024, "\xBD\xAD\xC1\xEA\xCF\xD8"},  // "江陵县"
    {421081, "\xCA\xAF\xCA\xD7\xCA\xD0"},  // "石首市"
    {421083, "\xBA\xE9\xBA\xFE\xCA\xD0"},  // "洪湖市"
    {421087, "\xCB\xC9\xD7\xCC\xCA\xD0"},  // "松滋市"
    {421100, "\xBB\xC6\xB8\xD4\xCA\xD0"},  // "黄冈市"
    {421101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {421102, "\xBB\xC6\xD6\xDD\xC7\xF8"},  // "黄州区"
    {421121, "\xCD\xC5\xB7\xE7\xCF\xD8"},  // "团风县"
    {421122, "\xBA\xEC\xB0\xB2\xCF\xD8"},  // "红安县"
    {421123, "\xC2\xDE\xCC\xEF\xCF\xD8"},  // "罗田县"
    {421124, "\xD3\xA2\xC9\xBD\xCF\xD8"},  // "英山县"
    {421125, "\xE4\xBB\xCB\xAE\xCF\xD8"},  // "浠水县"
    {421126, "\xDE\xAD\xB4\xBA\xCF\xD8"},  // "蕲春县"
    {421127, "\xBB\xC6\xC3\xB7\xCF\xD8"},  // "黄梅县"
    {421181, "\xC2\xE9\xB3\xC7\xCA\xD0"},  // "麻城市"
    {421182, "\xCE\xE4\xD1\xA8\xCA\xD0"},  // "武穴市"
    {421200, "\xCF\xCC\xC4\xFE\xCA\xD0"},  // "咸宁市"
    {421201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {421202, "\xCF\xCC\xB0\xB2\xC7\xF8"},  // "咸安区"
    {421221, "\xBC\xCE\xD3\xE3\xCF\xD8"},  // "嘉鱼县"
    {421222, "\xCD\xA8\xB3\xC7\xCF\xD8"},  // "通城县"
    {421223, "\xB3\xE7\xD1\xF4\xCF\xD8"},  // "崇阳县"
    {421224, "\xCD\xA8\xC9\xBD\xCF\xD8"},  // "通山县"
    {421281, "\xB3\xE0\xB1\xDA\xCA\xD0"},  // "赤壁市"
    {421300, "\xCB\xE6\xD6\xDD\xCA\xD0"},  // "随州市"
    {421301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {421303, "\xD4\xF8\xB6\xBC\xC7\xF8"},  // "曾都区"
    {421321, "\xCB\xE6\xCF\xD8"},  // "随县"
    {421381, "\xB9\xE3\xCB\xAE\xCA\xD0"},  // "广水市"
    {422800, "\xB6\xF7\xCA\xA9\xCD\xC1\xBC\xD2\xD7\xE5\xC3\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "恩施土家族苗族自治州"
    {422801, "\xB6\xF7\xCA\xA9\xCA\xD0"},  // "恩施市"
    {422802, "\xC0\xFB\xB4\xA8\xCA\xD0"},  // "利川市"
    {422822, "\xBD\xA8\xCA\xBC\xCF\xD8"},  // "建始县"
    {422823, "\xB0\xCD\xB6\xAB\xCF\xD8"},  // "巴东县"
    {422825, "\xD0\xFB\xB6\xF7\xCF\xD8"},  // "宣恩县"
    {422826, "\xCF\xCC\xB7\xE1\xCF\xD8"},  // "咸丰县"
    {422827, "\xC0\xB4\xB7\xEF\xCF\xD8"},  // "来凤县"
    {422828, "\xBA\xD7\xB7\xE5\xCF\xD8"},  // "鹤峰县"
    {429000, "\xCA\xA1\xD6\xB1\xCF\xBD\xCF\xD8\xBC\xB6\xD0\xD0\xD5\xFE\xC7\xF8\xBB\xAE"},  // "省直辖县级行政区划"
    {429004, "\xCF\xC9\xCC\xD2\xCA\xD0"},  // "仙桃市"
    {429005, "\xC7\xB1\xBD\xAD\xCA\xD0"},  // "潜江市"
    {429006, "\xCC\xEC\xC3\xC5\xCA\xD0"},  // "天门市"
    {429021, "\xC9\xF1\xC5\xA9\xBC\xDC\xC1\xD6\xC7\xF8"},  // "神农架林区"
};
static constexpr const char* const hubeiNamesUtf8[] = {
    u8"武汉市",
    u8"市辖区",
    u8"江岸区",
    u8"江汉区",
    u8"硚口区",
    u8"汉阳区",
    u8"武昌区",
    u8"青山区",
    u8"洪山区",
    u8"东西湖区",
    u8"汉南区",
    u8"蔡甸区",
    u8"江夏区",
    u8"黄陂区",
    u8"新洲区",
    u8"黄石市",
    u8"市辖区",
    u8"黄石港区",
    u8"西塞山区",
    u8"下陆区",
    u8"铁山区",
    u8"阳新县",
    u8"大冶市",
    u8"十堰市",
    u8"市辖区",
    u8"茅箭区",
    u8"张湾区",
    u8"郧县",
    u8"郧西县",
    u8"竹山县",
    u8"竹溪县",
    u8"房县",
    u8"丹江口市",
    u8"宜昌市",
    u8"市辖区",
    u8"西陵区",
    u8"伍家岗区",
    u8"点军区",
    u8"猇亭区",
    u8"夷陵区",
    u8"远安县",
    u8"兴山县",
    u8"秭归县",
    u8"长阳土家族自治县",
    u8"五峰土家族自治县",
    u8"宜都市",
    u8"当阳市",
    u8"枝江市",
    u8"襄樊市",
    u8"市辖区",
    u8"襄城区",
    u8"樊城区",
    u8"襄阳区",
    u8"南漳县",
    u8"谷城县",
    u8"保康县",
    u8"老河口市",
    u8"枣阳市",
    u8"宜城市",
    u8"鄂州市",
    u8"市辖区",
    u8"梁子湖区",
    u8"华容区",
    u8"鄂城区",
    u8"荆门市",
    u8"市辖区",
    u8"东宝区",
    u8"掇刀区",
    u8"京山县",
    u8"沙洋县",
    u8"钟祥市",
    u8"孝感市",
    u8"市辖区",
    u8"孝南区",
    u8"孝昌县",
    u8"大悟县",
    u8"云梦县",
    u8"应城市",
    u8"安陆市",
    u8"汉川市",
    u8"荆州市",
    u8"市辖区",
    u8"沙市区",
    u8"荆州区",
    u8"公安县",
    u8"监利县",
    u8"江陵县",
    u8"石首市",
    u8"洪湖市",
    u8"松滋市",
    u8"黄冈市",
    u8"市辖区",
    u8"黄州区",
    u8"团风县",
    u8"红安县",
    u8"罗田县",
    u8"英山县",
    u8"浠水县",
    u8"蕲春县",
    u8"黄梅县",
    u8"麻城市",
    u8"武穴市",
    u8"咸宁市",
    u8"市辖区",
    u8"咸安区",
    u8"嘉鱼县",
    u8"通城县",
    u8"崇阳县",
    u8"通山县",
    u8"赤壁市",
    u8"随州市",
    u8"市辖区",
    u8"曾都区",
    u8"随县",
    u8"广水市",
    u8"恩施土家族苗族自治州",
    u8"恩施市",
    u8"利川市",
    u8"建始县",
    u8"巴东县",
    u8"宣恩县",
    u8"咸丰县",
    u8"来凤县",
    u8"鹤峰县",
    u8"省直辖县级行政区划",
    u8"仙桃市",
    u8"潜江市",
    u8"天门市",
    u8"神农架林区",
};
static_assert(recordCount(hubeiNamesUtf8) == recordCount(hubeiRecords));
static constexpr ProvinceTable hubeiTable = {hubeiRecords, recordCount(hubeiRecords), hubeiNamesUtf8};

// 43 湖南省: 149 records, 14 city-level
static constexpr DivisionEntry hunanRecords[] = {
    {430100, "\xB3\xA4\xC9\xB3\xCA\xD0"},  // "长沙市"
    {430101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {430102, "\xDC\xBD\xC8\xD8\xC7\xF8"},  // "芙蓉区"
    {430103, "\xCC\xEC\xD0\xC4\xC7\xF8"},  // "天心区"
    {430104, "\xD4\xC0\xC2\xB4\xC7\xF8"},  // "岳麓区"
    {430105, "\xBF\xAA\xB8\xA3\xC7\xF8"},  // "开福区"
    {430111, "\xD3\xEA\xBB\xA8\xC7\xF8"},  // "雨花区"
    {430121, "\xB3\xA4\xC9\xB3\xCF\xD8"},  // "长沙县"
    {430122, "\xCD\xFB\xB3\xC7\xCF\xD8"},  // "望城县"
    {430124, "\xC4\xFE\xCF\xE7\xCF\xD8"},  // "宁乡县"
    {430181, "\xE4\xAF\xD1\xF4\xCA\xD0"},  // "浏阳市"
    {430200, "\xD6\xEA\xD6\xDE\xCA\xD0"},  // "株洲市"
    {430201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {430202, "\xBA\xC9\xCC\xC1\xC7\xF8"},  // "荷塘区"
    {430203, "\xC2\xAB\xE4\xC1\xC7\xF8"},  // "芦淞区"
    {430204, "\xCA\xAF\xB7\xE5\xC7\xF8"},  // "石峰区"
    {430211, "\xCC\xEC\xD4\xAA\xC7\xF8"},  // "天元区"
    {430221, "\xD6\xEA\xD6\xDE\xCF\xD8"},  // "株洲县"
    {430223, "\xD8\xFC\xCF\xD8"},  // "攸县"
    {430224, "\xB2\xE8\xC1\xEA\xCF\xD8"},  // "茶陵县"
    {430225, "\xD1\xD7\xC1\xEA\xCF\xD8"},  // "炎陵县"
    {430281, "\xF5\xB7\xC1\xEA\xCA\xD0"},  // "醴陵市"
    {430300, "\xCF\xE6\xCC\xB6\xCA\xD0"},  // "湘潭市"
    {430301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {430302, "\xD3\xEA\xBA\xFE\xC7\xF8"},  // "雨湖区"
    {430304, "\xD4\xC0\xCC\xC1\xC7\xF8"},  // "岳塘区"
    {430321, "\xCF\xE6\xCC\xB6\xCF\xD8"},  // "湘潭县"
    {430381, "\xCF\xE6\xCF\xE7\xCA\xD0"},  // "湘乡市"
    {430382, "\xC9\xD8\xC9\xBD\xCA\xD0"},  // "韶山市"
    {430400, "\xBA\xE2\xD1\xF4\xCA\xD0"},  // "衡阳市"
    {430401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {430405, "\xD6\xE9\xEA\xCD\xC7\xF8"},  // "珠晖区"
    {430406, "\xD1\xE3\xB7\xE5\xC7\xF8"},  // "雁峰区"
    {430407, "\xCA\xAF\xB9\xC4\xC7\xF8"},  // "石鼓区"
    {430408, "\xD5\xF4\xCF\xE6\xC7\xF8"},  // "蒸湘区"
    {430412, "\xC4\xCF\xD4\xC0\xC7\xF8"},  // "南岳区"
    {430421, "\xBA\xE2\xD1\xF4\xCF\xD8"},  // "衡阳县"
    {430422, "\xBA\xE2\xC4\xCF\xCF\xD8"},  // "衡南县"
    {430423, "\xBA\xE2\xC9\xBD\xCF\xD8"},  // "衡山县"
    {430424, "\xBA\xE2\xB6\xAB\xCF\xD8"},  // "衡东县"
    {430426, "\xC6\xEE\xB6\xAB\xCF\xD8"},  // "祁东县"
    {430481, "\xF1\xE7\xD1\xF4\xCA\xD0"},  // "耒阳市"
    {430482, "\xB3\xA3\xC4\xFE\xCA\xD0"},  // "常宁市"
    {430500, "\xC9\xDB\xD1\xF4\xCA\xD0"},  // "邵阳市"
    {430501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {430502, "\xCB\xAB\xC7\xE5\xC7\xF8"},  // "双清区"
    {430503, "\xB4\xF3\xCF\xE9\xC7\xF8"},  // "大祥区"
    {430511, "\xB1\xB1\xCB\xFE\xC7\xF8"},  // "北塔区"
    {430521, "\xC9\xDB\xB6\xAB\xCF\xD8"},  // "邵东县"
    {430522, "\xD0\xC2\xC9\xDB\xCF\xD8"},  // "新邵县"
    {430523, "\xC9\xDB\xD1\xF4\xCF\xD8"},  // "邵阳县"
    {430524, "\xC2\xA1\xBB\xD8\xCF\xD8"},  // "隆回县"
    {430525, "\xB6\xB4\xBF\xDA\xCF\xD8"},  // "洞口县"
    {430527, "\xCB\xE7\xC4\xFE\xCF\xD8"},  // "绥宁县"
    {430528, "\xD0\xC2\xC4\xFE\xCF\xD8"},  // "新宁县"
    {430529, "\xB3\xC7\xB2\xBD\xC3\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "城步苗族自治县"
    {430581, "\xCE\xE4\xB8\xD4\xCA\xD0"},  // "武冈市"
    {430600, "\xD4\xC0\xD1\xF4\xCA\xD0"},  // "岳阳市"
    {430601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {430602, "\xD4\xC0\xD1\xF4\xC2\xA5\xC7\xF8"},  // "岳阳楼区"
    {430603, "\xD4\xC6\xCF\xAA\xC7\xF8"},  // "云溪区"
    {430611, "\xBE\xFD\xC9\xBD\xC7\xF8"},  // "君山区"
    {430621, "\xD4\xC0\xD1\xF4\xCF\xD8"},  // "岳阳县"
    {430623, "\xBB\xAA\xC8\xDD\xCF\xD8"},  // "华容县"
    {430624, "\xCF\xE6\xD2\xF5\xCF\xD8"},  // "湘阴县"
    {430626, "\xC6\xBD\xBD\xAD\xCF\xD8"},  // "平江县"
    {430681, "\xE3\xE8\xC2\xDE\xCA\xD0"},  // "汨罗市"
    {430682, "\xC1\xD9\xCF\xE6\xCA\xD0"},  // "临湘市"
    {430700, "\xB3\xA3\xB5\xC2\xCA\xD0"},  // "常德市"
    {430701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {430702, "\xCE\xE4\xC1\xEA\xC7\xF8"},  // "武陵区"
    {430703, "\xB6\xA6\xB3\xC7\xC7\xF8"},  // "鼎城区"
    {430721, "\xB0\xB2\xCF\xE7\xCF\xD8"},  // "安乡县"
    {430722, "\xBA\xBA\xCA\xD9\xCF\xD8"},  // "汉寿县"
    {430723, "\xE5\xA2\xCF\xD8"},  // "澧县"
    {430724, "\xC1\xD9\xE5\xA2\xCF\xD8"},  // "临澧县"
    {430725, "\xCC\xD2\xD4\xB4\xCF\xD8"},  // "桃源县"
    {430726, "\xCA\xAF\xC3\xC5\xCF\xD8"},  // "石门县"
    {430781, "\xBD\xF2\xCA\xD0\xCA\xD0"},  // "津市市"
    {430800, "\xD5\xC5\xBC\xD2\xBD\xE7\xCA\xD0"},  // "张家界市"
    {430801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {430802, "\xD3\xC0\xB6\xA8\xC7\xF8"},  // "永定区"
    {430811, "\xCE\xE4\xC1\xEA\xD4\xB4\xC7\xF8"},  // "武陵源区"
    {430821, "\xB4\xC8\xC0\xFB\xCF\xD8"},  // "慈利县"
    {430822, "\xC9\xA3\xD6\xB2\xCF\xD8"},  // "桑植县"
    {430900, "\xD2\xE6\xD1\xF4\xCA\xD0"},  // "益阳市"
    {430901, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {430902, "\xD7\xCA\xD1\xF4\xC7\xF8"},  // "资阳区"
    {430903, "\xBA\xD5\xC9\xBD\xC7\xF8"},  // "赫山区"
    {430921, "\xC4\xCF\xCF\xD8"},  // "南县"
    {430922, "\xCC\xD2\xBD\xAD\xCF\xD8"},  // "桃江县"
    {430923, "\xB0\xB2\xBB\xAF\xCF\xD8"},  // "安化县"
    {430981, "\xE3\xE4\xBD\xAD\xCA\xD0"},  // "沅江市"
    {431000, "\xB3\xBB\xD6\xDD\xCA\xD0"},  // "郴州市"
    {431001, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {431002, "\xB1\xB1\xBA\xFE\xC7\xF8"},  // "北湖区"
    {431003, "\xCB\xD5\xCF\xC9\xC7\xF8"},  // "苏仙区"
    {431021, "\xB9\xF0\xD1\xF4\xCF\xD8"},  // "桂阳县"
    {431022, "\xD2\xCB\xD5\xC2\xCF\xD8"},  // "宜章县"
    {431023, "\xD3\xC0\xD0\xCB\xCF\xD8"},  // "永兴县"
    {431024, "\xBC\xCE\xBA\xCC\xCF\xD8"},  // "嘉禾县"
    {431025, "\xC1\xD9\xCE\xE4\xCF\xD8"},  // "临武县"
    {431026, "\xC8\xEA\xB3\xC7\xCF\xD8"},  // "汝城县"
    {431027, "\xB9\xF0\xB6\xAB\xCF\xD8"},  // "桂东县"
    {431028, "\xB0\xB2\xC8\xCA\xCF\xD8"},  // "安仁县"
    {431081, "\xD7\xCA\xD0\xCB\xCA\xD0"},  // "资兴市"
    {431100, "\xD3\xC0\xD6\xDD\xCA\xD0"},  // "永州市"
    {431101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {431102, "\xC1\xE3\xC1\xEA\xC7\xF8"},  // "零陵区"
    {431103, "\xC0\xE4\xCB\xAE\xCC\xB2\xC7\xF8"},  // "冷水滩区"
    {431121, "\xC6\xEE\xD1\xF4\xCF\xD8"},  // "祁阳县"
    {431122, "\xB6\xAB\xB0\xB2\xCF\xD8"},  // "东安县"
    {431123, "\xCB\xAB\xC5\xC6\xCF\xD8"},  // "双牌县"
    {431124, "\xB5\xC0\xCF\xD8"},  // "道县"
    {431125, "\xBD\xAD\xD3\xC0\xCF\xD8"},  // "江永县"
    {431126, "\xC4\xFE\xD4\xB6\xCF\xD8"},  // "宁远县"
    {431127, "\xC0\xB6\xC9\xBD\xCF\xD8"},  // "蓝山县"
    {431128, "\xD0\xC2\xCC\xEF\xCF\xD8"},  // "新田县"
    {431129, "\xBD\xAD\xBB\xAA\xD1\xFE\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "江华瑶族自治县"
    {431200, "\xBB\xB3\xBB\xAF\xCA\xD0"},  // "怀化市"
    {431201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {431202, "\xBA\xD7\xB3\xC7\xC7\xF8"},  // "鹤城区"
    {431221, "\xD6\xD0\xB7\xBD\xCF\xD8"},  // "中方县"
    {431222, "\xE3\xE4\xC1\xEA\xCF\xD8"},  // "沅陵县"
    {431223, "\xB3\xBD\xCF\xAA\xCF\xD8"},  // "辰溪县"
    {431224, "\xE4\xD3\xC6\xD6\xCF\xD8"},  // "溆浦县"
    {431225, "\xBB\xE1\xCD\xAC\xCF\xD8"},  // "会同县"
    {431226, "\xC2\xE9\xD1\xF4\xC3\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "麻阳苗族自治县"
    {431227, "\xD0\xC2\xBB\xCE\xB6\xB1\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "新晃侗族自治县"
    {431228, "\xDC\xC6\xBD\xAD\xB6\xB1\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "芷江侗族自治县"
    {431229, "\xBE\xB8\xD6\xDD\xC3\xE7\xD7\xE5\xB6\xB1\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "靖州苗族侗族自治县"
    {431230, "\xCD\xA8\xB5\xC0\xB6\xB1\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "通道侗族自治县"
    {431281, "\xBA\xE9\xBD\xAD\xCA\xD0"},  // "洪江市"
    {431300, "\xC2\xA6\xB5\xD7\xCA\xD0"},  // "娄底市"
    {431301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {431302, "\xC2\xA6\xD0\xC7\xC7\xF8"},  // "娄星区"
    {431321, "\xCB\xAB\xB7\xE5\xCF\xD8"},  // "双峰县"
    {431322, "\xD0\xC2\xBB\xAF\xCF\xD8"},  // "新化县"
    {431381, "\xC0\xE4\xCB\xAE\xBD\xAD\xCA\xD0"},  // "冷水江市"
    {431382, "\xC1\xB0\xD4\xB4\xCA\xD0"},  // "涟源市"
    {433100, "\xCF\xE6\xCE\xF7\xCD\xC1\xBC\xD2\xD7\xE5\xC3\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "湘西土家族苗族自治州"
    {433101, "\xBC\xAA\xCA\xD7\xCA\xD0"},  // "吉首市"
    {433122, "\xE3\xF2\xCF\xAA\xCF\xD8"},  // "泸溪县"
    {433123, "\xB7\xEF\xBB\xCB\xCF\xD8"},  // "凤凰县"
    {433124, "\xBB\xA8\xD4\xAB\xCF\xD8"},  // "花垣县"
    {433125, "\xB1\xA3\xBE\xB8\xCF\xD8"},  // "保靖县"
    {433126, "\xB9\xC5\xD5\xC9\xCF\xD8"},  // "古丈县"
    {433127, "\xD3\xC0\xCB\xB3\xCF\xD8"},  // "永顺县"
    {433130, "\xC1\xFA\xC9\xBD\xCF\xD8"},  // "龙山县"
};
static constexpr const char* const hunanNamesUtf8[] = {
    u8"长沙市",
    u8"市辖区",
    u8"芙蓉区",
    u8"天心区",
    u8"岳麓区",
    u8"开福区",
    u8"雨花区",
    u8"长沙县",
    u8"望城县",
    u8"宁乡县",
    u8"浏阳市",
    u8"株洲市",
    u8"市辖区",
    u8"荷塘区",
    u8"芦淞区",
    u8"石峰区",
    u8"天元区",
    u8"株洲县",
    u8"攸县",
    u8"茶陵县",
    u8"炎陵县",
    u8"醴陵市",
    u8"湘潭市",
    u8"市辖区",
    u8"雨湖区",
    u8"岳塘区",
    u8"湘潭县",
    u8"湘乡市",
    u8"韶山市",
    u8"衡阳市",
    u8"市辖区",
    u8"珠晖区",
    u8"雁峰区",
    u8"石鼓区",
    u8"蒸湘区",
    u8"南岳区",
    u8"衡阳县",
    u8"衡南县",
    u8"衡山县",
    u8"衡东县",
    u8"祁东县",
    u8"耒阳市",
    u8"常宁市",
    u8"邵阳市",
    u8"市辖区",
    u8"双清区",
    u8"大祥区",
    u8"北塔区",
    u8"邵东县",
    u8"新邵县",
    u8"邵阳县",
    u8"隆回县",
    u8"洞口县",
    u8"绥宁县",
    u8"新宁县",
    u8"城步苗族自治县",
    u8"武冈市",
    u8"岳阳市",
    u8"市辖区",
    u8"岳阳楼区",
    u8"云溪区",
    u8"君山区",
    u8"岳阳县",
    u8"华容县",
    u8"湘阴县",
    u8"平江县",
    u8"汨罗市",
    u8"临湘市",
    u8"常德市",
    u8"市辖区",
    u8"武陵区",
    u8"鼎城区",
    u8"安乡县",
    u8"汉寿县",
    u8"澧县",
    u8"临澧县",
    u8"桃源县",
    u8"石门县",
    u8"津市市",
    u8"张家界市",
    u8"市辖区",
    u8"永定区",
    u8"武陵源区",
    u8"慈利县",
    u8"桑植县",
    u8"益阳市",
    u8"市辖区",
    u8"资阳区",
    u8"赫山区",
    u8"南县",
    u8"桃江县",
    u8"安化县",
    u8"沅江市",
    u8"郴州市",
    u8"市辖区",
    u8"北湖区",
    u8"苏仙区",
    u8"桂阳县",
    u8"宜章县",
    u8"永兴县",
    u8"嘉禾县",
    u8"临武县",
    u8"汝城县",
    u8"桂东县",
    u8"安仁县",
    u8"资兴市",
    u8"永州市",
    u8"市辖区",
    u8"零陵区",
    u8"冷水滩区",
    u8"祁阳县",
    u8"东安县",
    u8"双牌县",
    u8"道县",
    u8"江永县",
    u8"宁远县",
    u8"蓝山县",
    u8"新田县",
    u8"江华瑶族自治县",
    u8"怀化市",
    u8"市辖区",
    u8"鹤城区",
    u8"中方县",
    u8"沅陵县",
    u8"辰溪县",
    u8"溆浦县",
    u8"会同县",
    u8"麻阳苗族自治县",
    u8"新晃侗族自治县",
    u8"芷江侗族自治县",
    u8"靖州苗族侗族自治县",
    u8"通道侗族自治县",
    u8"洪江市",
    u8"娄底市",
    u8"市辖区",
    u8"娄星区",
    u8"双峰县",
    u8"新化县",
    u8"冷水江市",
    u8"涟源市",
    u8"湘西土家族苗族自治州",
    u8"吉首市",
    u8"泸溪县",
    u8"凤凰县",
    u8"花垣县",
    u8"保靖县",
    u8"古丈县",
    u8"永顺县",
    u8"龙山县",
};
static_assert(recordCount(hunanNamesUtf8) == recordCount(hunanRecords));
static constexpr ProvinceTable hunanTable = {hunanRecords, recordCount(hunanRecords), hunanNamesUtf8};

// 44 广东省: 161 records, 21 city-level
static constexpr DivisionEntry guangdongRecords[] = {
    {440100, "\xB9\xE3\xD6\xDD\xCA\xD0"},  // "广州市"
    {440101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {440103, "\xC0\xF3\xCD\xE5\xC7\xF8"},  // "荔湾区"
    {440104, "\xD4\xBD\xD0\xE3\xC7\xF8"},  // "越秀区"
    {440105, "\xBA\xA3\xD6\xE9\xC7\xF8"},  // "海珠区"
    {440106, "\xCC\xEC\xBA\xD3\xC7\xF8"},  // "天河区"
    {440111, "\xB0\xD7\xD4\xC6\xC7\xF8"},  // "白云区"
    {440112, "\xBB\xC6\xC6\xD2\xC7\xF8"},  // "黄埔区"
    {440113, "\xB7\xAC\xD8\xAE\xC7\xF8"},  // "番禺区"
    {440114, "\xBB\xA8\xB6\xBC\xC7\xF8"},  // "花都区"
    {440115, "\xC4\xCF\xC9\xB3\xC7\xF8"},  // "南沙区"
    {440116, "\xC2\xDC\xB8\xDA\xC7\xF8"},  // "萝岗区"
    {440183, "\xD4\xF6\xB3\xC7\xCA\xD0"},  // "增城市"
    {440184, "\xB4\xD3\xBB\xAF\xCA\xD0"},  // "从化市"
    {440200, "\xC9\xD8\xB9\xD8\xCA\xD0"},  // "韶关市"
    {440201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {440203, "\xCE\xE4\xBD\xAD\xC7\xF8"},  // "武江区"
    {440204, "\xE4\xA5\xBD\xAD\xC7\xF8"},  // "浈江区"
    {440205, "\xC7\xFA\xBD\xAD\xC7\xF8"},  // "曲江区"
    {440222, "\xCA\xBC\xD0\xCB\xCF\xD8"},  // "始兴县"
    {440224, "\xC8\xCA\xBB\xAF\xCF\xD8"},  // "仁化县"
    {440229, "\xCE\xCC\xD4\xB4\xCF\xD8"},  // "翁源县"
    {440232, "\xC8\xE9\xD4\xB4\xD1\xFE\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "乳源瑶族自治县"
    {440233, "\xD0\xC2\xB7\xE1\xCF\xD8"},  // "新丰县"
    {440281, "\xC0\xD6\xB2\xFD\xCA\xD0"},  // "乐昌市"
    {440282, "\xC4\xCF\xD0\xDB\xCA\xD0"},  // "南雄市"
    {440300, "\xC9\xEE\xDB\xDA\xCA\xD0"},  // "深圳市"
    {440301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {440303, "\xC2\xDE\xBA\xFE\xC7\xF8"},  // "罗湖区"
    {440304, "\xB8\xA3\xCC\xEF\xC7\xF8"},  // "福田区"
    {440305, "\xC4\xCF\xC9\xBD\xC7\xF8"},  // "南山区"
    {440306, "\xB1\xA6\xB0\xB2\xC7\xF8"},  // "宝安区"
    {440307, "\xC1\xFA\xB8\xDA\xC7\xF8"},  // "龙岗区"
    {440308, "\xD1\xCE\xCC\xEF\xC7\xF8"},  // "盐田区"
    {440400, "\xD6\xE9\xBA\xA3\xCA\xD0"},  // "珠海市"
    {440401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {440402, "\xCF\xE3\xD6\xDE\xC7\xF8"},  // "香洲区"
    {440403, "\xB6\xB7\xC3\xC5\xC7\xF8"},  // "斗门区"
    {440404, "\xBD\xF0\xCD\xE5\xC7\xF8"},  // "金湾区"
    {440500, "\xC9\xC7\xCD\xB7\xCA\xD0"},  // "汕头市"
    {440501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {440507, "\xC1\xFA\xBA\xFE\xC7\xF8"},  // "龙湖区"
    {440511, "\xBD\xF0\xC6\xBD\xC7\xF8"},  // "金平区"
    {440512, "\xE5\xA9\xBD\xAD\xC7\xF8"},  // "濠江区"
    {440513, "\xB3\xB1\xD1\xF4\xC7\xF8"},  // "潮阳区"
    {440514, "\xB3\xB1\xC4\xCF\xC7\xF8"},  // "潮南区"
    {440515, "\xB3\xCE\xBA\xA3\xC7\xF8"},  // "澄海区"
    {440523, "\xC4\xCF\xB0\xC4\xCF\xD8"},  // "南澳县"
    {440600, "\xB7\xF0\xC9\xBD\xCA\xD0"},  // "佛山市"
    {440601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {440604, "\xEC\xF8\xB3\xC7\xC7\xF8"},  // "禅城区"
    {440605, "\xC4\xCF\xBA\xA3\xC7\xF8"},  // "南海区"
    {440606, "\xCB\xB3\xB5\xC2\xC7\xF8"},  // "顺德区"
    {440607, "\xC8\xFD\xCB\xAE\xC7\xF8"},  // "三水区"
    {440608, "\xB8\xDF\xC3\xF7\xC7\xF8"},  // "高明区"
    {440700, "\xBD\xAD\xC3\xC5\xCA\xD0"},  // "江门市"
    {440701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {440703, "\xC5\xEE\xBD\xAD\xC7\xF8"},  // "蓬江区"
    {440704, "\xBD\xAD\xBA\xA3\xC7\xF8"},  // "江海区"
    {440705, "\xD0\xC2\xBB\xE1\xC7\xF8"},  // "新会区"
    {440781, "\xCC\xA8\xC9\xBD\xCA\xD0"},  // "台山市"
    {440783, "\xBF\xAA\xC6\xBD\xCA\xD0"},  // "开平市"
    {440784, "\xBA\xD7\xC9\xBD\xCA\xD0"},  // "鹤山市"
    {440785, "\xB6\xF7\xC6\xBD\xCA\xD0"},  // "恩平市"
    {440800, "\xD5\xBF\xBD\xAD\xCA\xD0"},  // "湛江市"
    {440801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {440802, "\xB3\xE0\xBF\xB2\xC7\xF8"},  // "赤坎区"
    {440803, "\xCF\xBC\xC9\xBD\xC7\xF8"},  // "霞山区"
    {440804, "\xC6\xC2\xCD\xB7\xC7\xF8"},  // "坡头区"
    {440811, "\xC2\xE9\xD5\xC2\xC7\xF8"},  // "麻章区"
    {440823, "\xCB\xEC\xCF\xAA\xCF\xD8"},  // "遂溪县"
    {440825, "\xD0\xEC\xCE\xC5\xCF\xD8"},  // "徐闻县"
    {440881, "\xC1\xAE\xBD\xAD\xCA\xD0"},  // "廉江市"
    {440882, "\xC0\xD7\xD6\xDD\xCA\xD0"},  // "雷州市"
    {440883, "\xCE\xE2\xB4\xA8\xCA\xD0"},  // "吴川市"
    {440900, "\xC3\xAF\xC3\xFB\xCA\xD0"},  // "茂名市"
    {440901, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {440902, "\xC3\xAF\xC4\xCF\xC7\xF8"},  // "茂南区"
    {440903, "\xC3\xAF\xB8\xDB\xC7\xF8"},  // "茂港区"
    {440923, "\xB5\xE7\xB0\xD7\xCF\xD8"},  // "电白县"
    {440981, "\xB8\xDF\xD6\xDD\xCA\xD0"},  // "高州市"
    {440982, "\xBB\xAF\xD6\xDD\xCA\xD0"},  // "化州市"
    {440983, "\xD0\xC5\xD2\xCB\xCA\xD0"},  // "信宜市"
    {441200, "\xD5\xD8\xC7\xEC\xCA\xD0"},  // "肇庆市"
    {441201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {441202, "\xB6\xCB\xD6\xDD\xC7\xF8"},  // "端州区"
    {441203, "\xB6\xA6\xBA\xFE\xC7\xF8"},  // "鼎湖区"
    {441223, "\xB9\xE3\xC4\xFE\xCF\xD8"},  // "广宁县"
    {441224, "\xBB\xB3\xBC\xAF\xCF\xD8"},  // "怀集县"
    {441225, "\xB7\xE2\xBF\xAA\xCF\xD8"},  // "封开县"
    {441226, "\xB5\xC2\xC7\xEC\xCF\xD8"},  // "德庆县"
    {441283, "\xB8\xDF\xD2\xAA\xCA\xD0"},  // "高要市"
    {441284, "\xCB\xC4\xBB\xE1\xCA\xD0"},  // "四会市"
    {441300, "\xBB\xDD\xD6\xDD\xCA\xD0"},  // "惠州市"
    {441301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {441302, "\xBB\xDD\xB3\xC7\xC7\xF8"},  // "惠城区"
    {441303, "\xBB\xDD\xD1\xF4\xC7\xF8"},  // "惠阳区"
    {441322, "\xB2\xA9\xC2\xDE\xCF\xD8"},  // "博罗县"
    {441323, "\xBB\xDD\xB6\xAB\xCF\xD8"},  // "惠东县"
    {441324, "\xC1\xFA\xC3\xC5\xCF\xD8"},  // "龙门县"
    {441400, "\xC3\xB7\xD6\xDD\xCA\xD0"},  // "梅州市"
    {441401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {441402, "\xC3\xB7\xBD\xAD\xC7\xF8"},  // "梅江区"
    {441421, "\xC3\xB7\xCF\xD8"},  // "梅县"
    {441422, "\xB4\xF3\xC6\xD2\xCF\xD8"},  // "大埔县"
    {441423, "\xB7\xE1\xCB\xB3\xCF\xD8"},  // "丰顺县"
    {441424, "\xCE\xE5\xBB\xAA\xCF\xD8"},  // "五华县"
    {441426, "\xC6\xBD\xD4\xB6\xCF\xD8"},  // "平远县"
    {441427, "\xBD\xB6\xC1\xEB\xCF\xD8"},  // "蕉岭县"
    {441481, "\xD0\xCB\xC4\xFE\xCA\xD0"},  // "兴宁市"
    {441500, "\xC9\xC7\xCE\xB2\xCA\xD0"},  // "汕尾市"
    {441501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {441502, "\xB3\xC7\xC7\xF8"},  // "城区"
    {441521, "\xBA\xA3\xB7\xE1\xCF\xD8"},  // "海丰县"
    {441523, "\xC2\xBD\xBA\xD3\xCF\xD8"},  // "陆河县"
    {441581, "\xC2\xBD\xB7\xE1\xCA\xD0"},  // "陆丰市"
    {441600, "\xBA\xD3\xD4\xB4\xCA\xD0"},  // "河源市"
    {441601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {441602, "\xD4\xB4\xB3\xC7\xC7\xF8"},  // "源城区"
    {441621, "\xD7\xCF\xBD\xF0\xCF\xD8"},  // "紫金县"
    {441622, "\xC1\xFA\xB4\xA8\xCF\xD8"},  // "龙川县"
    {441623, "\xC1\xAC\xC6\xBD\xCF\xD8"},  // "连平县"
    {441624, "\xBA\xCD\xC6\xBD\xCF\xD8"},  // "和平县"
    {441625, "\xB6\xAB\xD4\xB4\xCF\xD8"},  // "东源县"
    {441700, "\xD1\xF4\xBD\xAD\xCA\xD0"},  // "阳江市"
    {441701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {441702, "\xBD\xAD\xB3\xC7\xC7\xF8"},  // "江城区"
    {441721, "\xD1\xF4\xCE\xF7\xCF\xD8"},  // "阳西县"
    {441723, "\xD1\xF4\xB6\xAB\xCF\xD8"},  // "阳东县"
    {441781, "\xD1\xF4\xB4\xBA\xCA\xD0"},  // "阳春市"
    {441800, "\xC7\xE5\xD4\xB6\xCA\xD0"},  // "清远市"
    {441801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {441802, "\xC7\xE5\xB3\xC7\xC7\xF8"},  // "清城区"
    {441821, "\xB7\xF0\xB8\xD4\xCF\xD8"},  // "佛冈县"
    {441823, "\xD1\xF4\xC9\xBD\xCF\xD8"},  // "阳山县"
    {441825, "\xC1\xAC\xC9\xBD\xD7\xB3\xD7\xE5\xD1\xFE\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "连山壮族瑶族自治县"
    {441826, "\xC1\xAC\xC4\xCF\xD1\xFE\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "连南瑶族自治县"
    {441827, "\xC7\xE5\xD0\xC2\xCF\xD8"},  // "清新县"
    {441881, "\xD3\xA2\xB5\xC2\xCA\xD0"},  // "英德市"
    {441882, "\xC1\xAC\xD6\xDD\xCA\xD0"},  // "连州市"
    {441900, "\xB6\xAB\xDD\xB8\xCA\xD0"},  // "东莞市"
    {442000, "\xD6\xD0\xC9\xBD\xCA\xD0"},  // "中山市"
    {445100, "\xB3\xB1\xD6\xDD\xCA\xD0"},  // "潮州市"
    {445101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {445102, "\xCF\xE6\xC7\xC5\xC7\xF8"},  // "湘桥区"
    {445121, "\xB3\xB1\xB0\xB2\xCF\xD8"},  // "潮安县"
    {445122, "\xC8\xC4\xC6\xBD\xCF\xD8"},  // "饶平县"
    {445200, "\xBD\xD2\xD1\xF4\xCA\xD0"},  // "揭阳市"
    {445201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {445202, "\xE9\xC5\xB3\xC7\xC7\xF8"},  // "榕城区"
    {445221, "\xBD\xD2\xB6\xAB\xCF\xD8"},  // "揭东县"
    {445222, "\xBD\xD2\xCE\xF7\xCF\xD8"},  // "揭西县"
    {445224, "\xBB\xDD\xC0\xB4\xCF\xD8"},  // "惠来县"
    {445281, "\xC6\xD5\xC4\xFE\xCA\xD0"},  // "普宁市"
    {445300, "\xD4\xC6\xB8\xA1\xCA\xD0"},  // "云浮市"
    {445301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {445302, "\xD4\xC6\xB3\xC7\xC7\xF8"},  // "云城区"
    {445321, "\xD0\xC2\xD0\xCB\xCF\xD8"},  // "新兴县"
    {445322, "\xD3\xF4\xC4\xCF\xCF\xD8"},  // "郁南县"
    {445323, "\xD4\xC6\xB0\xB2\xCF\xD8"},  // "云安县"
    {445381, "\xC2\xDE\xB6\xA8\xCA\xD0"},  // "罗定市"
};
static constexpr const char* const guangdongNamesUtf8[] = {
    u8"广州市",
    u8"市辖区",
    u8"荔湾区",
    u8"越秀区",
    u8"海珠区",
    u8"天河区",
    u8"白云区",
    u8"黄埔区",
    u8"番禺区",
    u8"花都区",
    u8"南沙区",
    u8"萝岗区",
    u8"增城市",
    u8"从化市",
    u8"韶关市",
    u8"市辖区",
    u8"武江区",
    u8"浈江区",
    u8"曲江区",
    u8"始兴县",
    u8"仁化县",
    u8"翁源县",
    u8"乳源瑶族自治县",
    u8"新丰县",
    u8"乐昌市",
    u8"南雄市",
    u8"深圳市",
    u8"市辖区",
    u8"罗湖区",
    u8"福田区",
    u8"南山区",
    u8"宝安区",
    u8"龙岗区",
    u8"盐田区",
    u8"珠海市",
    u8"市辖区",
    u8"香洲区",
    u8"斗门区",
    u8"金湾区",
    u8"汕头市",
    u8"市辖区",
    u8"龙湖区",
    u8"金平区",
    u8"濠江区",
    u8"潮阳区",
    u8"潮南区",
    u8"澄海区",
    u8"南澳县",
    u8"佛山市",
    u8"市辖区",
    u8"禅城区",
    u8"南海区",
    u8"顺德区",
    u8"三水区",
    u8"高明区",
    u8"江门市",
    u8"市辖区",
    u8"蓬江区",
    u8"江海区",
    u8"新会区",
    u8"台山市",
    u8"开平市",
    u8"鹤山市",
    u8"恩平市",
    u8"湛江市",
    u8"市辖区",
    u8"赤坎区",
    u8"霞山区",
    u8"坡头区",
    u8"麻章区",
    u8"遂溪县",
    u8"徐闻县",
    u8"廉江市",
    u8"雷州市",
    u8"吴川市",
    u8"茂名市",
    u8"市辖区",
    u8"茂南区",
    u8"茂港区",
    u8"电白县",
    u8"高州市",
    u8"化州市",
    u8"信宜市",
    u8"肇庆市",
    u8"市辖区",
    u8"端州区",
    u8"鼎湖区",
    u8"广宁县",
    u8"怀集县",
    u8"封开县",
    u8"德庆县",
    u8"高要市",
    u8"四会市",
    u8"惠州市",
    u8"市辖区",
    u8"惠城区",
    u8"惠阳区",
    u8"博罗县",
    u8"惠东县",
    u8"龙门县",
    u8"梅州市",
    u8"市辖区",
    u8"梅江区",
    u8"梅县",
    u8"大埔县",
    u8"丰顺县",
    u8"五华县",
    u8"平远县",
    u8"蕉岭县",
    u8"兴宁市",
    u8"汕尾市",
    u8"市辖区",
    u8"城区",
    u8"海丰县",
    u8"陆河县",
    u8"陆丰市",
    u8"河源市",
    u8"市辖区",
    u8"源城区",
    u8"紫金县",
    u8"龙川县",
    u8"连平县",
    u8"和平县",
    u8"东源县",
    u8"阳江市",
    u8"市辖区",
    u8"江城区",
    u8"阳西县",
    u8"阳东县",
    u8"阳春市",
    u8"清远市",
    u8"市辖区",
    u8"清城区",
    u8"佛冈县",
    u8"阳山县",
    u8"连山壮族瑶族自治县",
    u8"连南瑶族自治县",
    u8"清新县",
    u8"英德市",
    u8"连州市",
    u8"东莞市",
    u8"中山市",
    u8"潮州市",
    u8"市辖区",
    u8"湘桥区",
    u8"潮安县",
    u8"饶平县",
    u8"揭阳市",
    u8"市辖区",
    u8"榕城区",
    u8"揭东县",
    u8"揭西县",
    u8"惠来县",
    u8"普宁市",
    u8"云浮市",
    u8"市辖区",
    u8"云城区",
    u8"新兴县",
    u8"郁南县",
    u8"云安县",
    u8"罗定市",
};
static_assert(recordCount(guangdongNamesUtf8) == recordCount(guangdongRecords));
static constexpr ProvinceTable guangdongTable = {guangdongRecords, recordCount(guangdongRecords), guangdongNamesUtf8};

// 45 广西壮族自治区: 137 records, 14 city-level
static constexpr DivisionEntry guangxiRecords[] = {
    {450100, "\xC4\xCF\xC4\xFE\xCA\xD0"},  // "南宁市"
    {450101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {450102, "\xD0\xCB\xC4\xFE\xC7\xF8"},  // "兴宁区"
    {450103, "\xC7\xE0\xD0\xE3\xC7\xF8"},  // "青秀区"
    {450105, "\xBD\xAD\xC4\xCF\xC7\xF8"},  // "江南区"
    {450107, "\xCE\xF7\xCF\xE7\xCC\xC1\xC7\xF8"},  // "西乡塘区"
    {450108, "\xC1\xBC\xC7\xEC\xC7\xF8"},  // "良庆区"
    {450109, "\xE7\xDF\xC4\xFE\xC7\xF8"},  // "邕宁区"
    {450122, "\xCE\xE4\xC3\xF9\xCF\xD8"},  // "武鸣县"
    {450123, "\xC2\xA1\xB0\xB2\xCF\xD8"},  // "隆安县"
    {450124, "\xC2\xED\xC9\xBD\xCF\xD8"},  // "马山县"
    {450125, "\xC9\xCF\xC1\xD6\xCF\xD8"},  // "上林县"
    {450126, "\xB1\xF6\xD1\xF4\xCF\xD8"},  // "宾阳县"
    {450127, "\xBA\xE1\xCF\xD8"},  // "横县"
    {450200, "\xC1\xF8\xD6\xDD\xCA\xD0"},  // "柳州市"
    {450201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {450202, "\xB3\xC7\xD6\xD0\xC7\xF8"},  // "城中区"
    {450203, "\xD3\xE3\xB7\xE5\xC7\xF8"},  // "鱼峰区"
    {450204, "\xC1\xF8\xC4\xCF\xC7\xF8"},  // "柳南区"
    {450205, "\xC1\xF8\xB1\xB1\xC7\xF8"},  // "柳北区"
    {450221, "\xC1\xF8\xBD\xAD\xCF\xD8"},  // "柳江县"
    {450222, "\xC1\xF8\xB3\xC7\xCF\xD8"},  // "柳城县"
    {450223, "\xC2\xB9\xD5\xAF\xCF\xD8"},  // "鹿寨县"
    {450224, "\xC8\xDA\xB0\xB2\xCF\xD8"},  // "融安县"
    {450225, "\xC8\xDA\xCB\xAE\xC3\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "融水苗族自治县"
    {450226, "\xC8\xFD\xBD\xAD\xB6\xB1\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "三江侗族自治县"
    {450300, "\xB9\xF0\xC1\xD6\xCA\xD0"},  // "桂林市"
    {450301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {450302, "\xD0\xE3\xB7\xE5\xC7\xF8"},  // "秀峰区"
    {450303, "\xB5\xFE\xB2\xCA\xC7\xF8"},  // "叠彩区"
    {450304, "\xCF\xF3\xC9\xBD\xC7\xF8"},  // "象山区"
    {450305, "\xC6\xDF\xD0\xC7\xC7\xF8"},  // "七星区"
    {450311, "\xD1\xE3\xC9\xBD\xC7\xF8"},  // "雁山区"
    {450321, "\xD1\xF4\xCB\xB7\xCF\xD8"},  // "阳朔县"
    {450322, "\xC1\xD9\xB9\xF0\xCF\xD8"},  // "临桂县"
    {450323, "\xC1\xE9\xB4\xA8\xCF\xD8"},  // "灵川县"
    {450324, "\xC8\xAB\xD6\xDD\xCF\xD8"},  // "全州县"
    {450325, "\xD0\xCB\xB0\xB2\xCF\xD8"},  // "兴安县"
    {450326, "\xD3\xC0\xB8\xA3\xCF\xD8"},  // "永福县"
    {450327, "\xB9\xE0\xD1\xF4\xCF\xD8"},  // "灌阳县"
    {450328, "\xC1\xFA\xCA\xA4\xB8\xF7\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "龙胜各族自治县"
    {450329, "\xD7\xCA\xD4\xB4\xCF\xD8"},  // "资源县"
    {450330, "\xC6\xBD\xC0\xD6\xCF\xD8"},  // "平乐县"
    {450331, "\xC0\xF3\xC6\xD1\xCF\xD8"},  // "荔蒲县"
    {450332, "\xB9\xA7\xB3\xC7\xD1\xFE\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "恭城瑶族自治县"
    {450400, "\xCE\xE0\xD6\xDD\xCA\xD0"},  // "梧州市"
    {450401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {450403, "\xCD\xF2\xD0\xE3\xC7\xF8"},  // "万秀区"
    {450404, "\xB5\xFB\xC9\xBD\xC7\xF8"},  // "蝶山区"
    {450405, "\xB3\xA4\xD6\xDE\xC7\xF8"},  // "长洲区"
    {450421, "\xB2\xD4\xCE\xE0\xCF\xD8"},  // "苍梧县"
    {450422, "\xCC\xD9\xCF\xD8"},  // "藤县"
    {450423, "\xC3\xC9\xC9\xBD\xCF\xD8"},  // "蒙山县"
    {450481, "\xE1\xAF\xCF\xAA\xCA\xD0"},  // "岑溪市"
    {450500, "\xB1\xB1\xBA\xA3\xCA\xD0"},  // "北海市"
    {450501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {450502, "\xBA\xA3\xB3\xC7\xC7\xF8"},  // "海城区"
    {450503, "\xD2\xF8\xBA\xA3\xC7\xF8"},  // "银海区"
    {450512, "\xCC\xFA\xC9\xBD\xB8\xDB\xC7\xF8"},  // "铁山港区"
    {450521, "\xBA\xCF\xC6\xD6\xCF\xD8"},  // "合浦县"
    {450600, "\xB7\xC0\xB3\xC7\xB8\xDB\xCA\xD0"},  // "防城港市"
    {450601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {450602, "\xB8\xDB\xBF\xDA\xC7\xF8"},  // "港口区"
    {450603, "\xB7\xC0\xB3\xC7\xC7\xF8"},  // "防城区"
    {450621, "\xC9\xCF\xCB\xBC\xCF\xD8"},  // "上思县"
    {450681, "\xB6\xAB\xD0\xCB\xCA\xD0"},  // "东兴市"
    {450700, "\xC7\xD5\xD6\xDD\xCA\xD0"},  // "钦州市"
    {450701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {450702, "\xC7\xD5\xC4\xCF\xC7\xF8"},  // "钦南区"
    {450703, "\xC7\xD5\xB1\xB1\xC7\xF8"},  // "钦北区"
    {450721, "\xC1\xE9\xC9\xBD\xCF\xD8"},  // "灵山县"
    {450722, "\xC6\xD6\xB1\xB1\xCF\xD8"},  // "浦北县"
    {450800, "\xB9\xF3\xB8\xDB\xCA\xD0"},  // "贵港市"
    {450801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {450802, "\xB8\xDB\xB1\xB1\xC7\xF8"},  // "港北区"
    {450803, "\xB8\xDB\xC4\xCF\xC7\xF8"},  // "港南区"
    {450804, "\xF1\xFB\xCC\xC1\xC7\xF8"},  // "覃塘区"
    {450821, "\xC6\xBD\xC4\xCF\xCF\xD8"},  // "平南县"
    {450881, "\xB9\xF0\xC6\xBD\xCA\xD0"},  // "桂平市"
    {450900, "\xD3\xF1\xC1\xD6\xCA\xD0"},  // "玉林市"
    {450901, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {450902, "\xD3\xF1\xD6\xDD\xC7\xF8"},  // "玉州区"
    {450921, "\xC8\xDD\xCF\xD8"},  // "容县"
    {450922, "\xC2\xBD\xB4\xA8\xCF\xD8"},  // "陆川县"
    {450923, "\xB2\xA9\xB0\xD7\xCF\xD8"},  // "博白县"
    {450924, "\xD0\xCB\xD2\xB5\xCF\xD8"},  // "兴业县"
    {450981, "\xB1\xB1\xC1\xF7\xCA\xD0"},  // "北流市"
    {451000, "\xB0\xD9\xC9\xAB\xCA\xD0"},  // "百色市"
    {451001, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {451002, "\xD3\xD2\xBD\xAD\xC7\xF8"},  // "右江区"
    {451021, "\xCC\xEF\xD1\xF4\xCF\xD8"},  // "田阳县"
    {451022, "\xCC\xEF\xB6\xAB\xCF\xD8"},  // "田东县"
    {451023, "\xC6\xBD\xB9\xFB\xCF\xD8"},  // "平果县"
    {451024, "\xB5\xC2\xB1\xA3\xCF\xD8"},  // "德保县"
    {451025, "\xBE\xB8\xCE\xF7\xCF\xD8"},  // "靖西县"
    {451026, "\xC4\xC7\xC6\xC2\xCF\xD8"},  // "那坡县"
    {451027, "\xC1\xE8\xD4\xC6\xCF\xD8"},  // "凌云县"
    {451028, "\xC0\xD6\xD2\xB5\xCF\xD8"},  // "乐业县"
    {451029, "\xCC\xEF\xC1\xD6\xCF\xD8"},  // "田林县"
    {451030, "\xCE\xF7\xC1\xD6\xCF\xD8"},  // "西林县"
    {451031, "\xC2\xA1\xC1\xD6\xB8\xF7\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "隆林各族自治县"
    {451100, "\xBA\xD8\xD6\xDD\xCA\xD0"},  // "贺州市"
    {451101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {451102, "\xB0\xCB\xB2\xBD\xC7\xF8"},  // "八步区"
    {451121, "\xD5\xD1\xC6\xBD\xCF\xD8"},  // "昭平县"
    {451122, "\xD6\xD3\xC9\xBD\xCF\xD8"},  // "钟山县"
    {451123, "\xB8\xBB\xB4\xA8\xD1\xFE\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "富川瑶族自治县"
    {451200, "\xBA\xD3\xB3\xD8\xCA\xD0"},  // "河池市"
    {451201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {451202, "\xBD\xF0\xB3\xC7\xBD\xAD\xC7\xF8"},  // "金城江区"
    {451221, "\xC4\xCF\xB5\xA4\xCF\xD8"},  // "南丹县"
    {451222, "\xCC\xEC\xB6\xEB\xCF\xD8"},  // "天峨县"
    {451223, "\xB7\xEF\xC9\xBD\xCF\xD8"},  // "凤山县"
    {451224, "\xB6\xAB\xC0\xBC\xCF\xD8"},  // "东兰县"
    {451225, "\xC2\xDE\xB3\xC7\xD8\xEF\xC0\xD0\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "罗城仫佬族自治县"
    {451226, "\xBB\xB7\xBD\xAD\xC3\xAB\xC4\xCF\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "环江毛南族自治县"
    {451227, "\xB0\xCD\xC2\xED\xD1\xFE\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "巴马瑶族自治县"
    {451228, "\xB6\xBC\xB0\xB2\xD1\xFE\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "都安瑶族自治县"
    {451229, "\xB4\xF3\xBB\xAF\xD1\xFE\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "大化瑶族自治县"
    {451281, "\xD2\xCB\xD6\xDD\xCA\xD0"},  // "宜州市"
    {451300, "\xC0\xB4\xB1\xF6\xCA\xD0"},  // "来宾市"
    {451301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {451302, "\xD0\xCB\xB1\xF6\xC7\xF8"},  // "兴宾区"
    {451321, "\xD0\xC3\xB3\xC7\xCF\xD8"},  // "忻城县"
    {451322, "\xCF\xF3\xD6\xDD\xCF\xD8"},  // "象州县"
    {451323, "\xCE\xE4\xD0\xFB\xCF\xD8"},  // "武宣县"
    {451324, "\xBD\xF0\xD0\xE3\xD1\xFE\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "金秀瑶族自治县"
    {451381, "\xBA\xCF\xC9\xBD\xCA\xD0"},  // "合山市"
    {451400, "\xB3\xE7\xD7\xF3\xCA\xD0"},  // "崇左市"
    {451401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {451402, "\xBD\xAD\xD6\xDE\xC7\xF8"},  // "江洲区"
    {451421, "\xB7\xF6\xCB\xE7\xCF\xD8"},  // "扶绥县"
    {451422, "\xC4\xFE\xC3\xF7\xCF\xD8"},  // "宁明县"
    {451423, "\xC1\xFA\xD6\xDD\xCF\xD8"},  // "龙州县"
    {451424, "\xB4\xF3\xD0\xC2\xCF\xD8"},  // "大新县"
    {451425, "\xCC\xEC\xB5\xC8\xCF\xD8"},  // "天等县"
    {451481, "\xC6\xBE\xCF\xE9\xCA\xD0"},  // "凭祥市"
};
static constexpr const char* const guangxiNamesUtf8[] = {
    u8"南宁市",
    u8"市辖区",
    u8"兴宁区",
    u8"青秀区",
    u8"江南区",
    u8"西乡塘区",
    u8"良庆区",
    u8"邕宁区",
    u8"武鸣县",
    u8"隆安县",
    u8"马山县",
    u8"上林县",
    u8"宾阳县",
    u8"横县",
    u8"柳州市",
    u8"市辖区",
    u8"城中区",
    u8"鱼峰区",
    u8"柳南区",
    u8"柳北区",
    u8"柳江县",
    u8"柳城县",
    u8"鹿寨县",
    u8"融安县",
    u8"融水苗族自治县",
    u8"三江侗族自治县",
    u8"桂林市",
    u8"市辖区",
    u8"秀峰区",
    u8"叠彩区",
    u8"象山区",
    u8"七星区",
    u8"雁山区",
    u8"阳朔县",
    u8"临桂县",
    u8"灵川县",
    u8"全州县",
    u8"兴安县",
    u8"永福县",
    u8"灌阳县",
    u8"龙胜各族自治县",
    u8"资源县",
    u8"平乐县",
    u8"荔蒲县",
    u8"恭城瑶族自治县",
    u8"梧州市",
    u8"市辖区",
    u8"万秀区",
    u8"蝶山区",
    u8"长洲区",
    u8"苍梧县",
    u8"藤县",
    u8"蒙山县",
    u8"岑溪市",
    u8"北海市",
    u8"市辖区",
    u8"海城区",
    u8"银海区",
    u8"铁山港区",
    u8"合浦县",
    u8"防城港市",
    u8"市辖区",
    u8"港口区",
    u8"防城区",
    u8"上思县",
    u8"东兴市",
    u8"钦州市",
    u8"市辖区",
    u8"钦南区",
    u8"钦北区",
    u8"灵山县",
    u8"浦北县",
    u8"贵港市",
    u8"市辖区",
    u8"港北区",
    u8"港南区",
    u8"覃塘区",
    u8"平南县",
    u8"桂平市",
    u8"玉林市",
    u8"市辖区",
    u8"玉州区",
    u8"容县",
    u8"陆川县",
    u8"博白县",
    u8"兴业县",
    u8"北流市",
    u8"百色市",
    u8"市辖区",
    u8"右江区",
    u8"田阳县",
    u8"田东县",
    u8"平果县",
    u8"德保县",
    u8"靖西县",
    u8"那坡县",
    u8"凌云县",
    u8"乐业县",
    u8"田林县",
    u8"西林县",
    u8"隆林各族自治县",
    u8"贺州市",
    u8"市辖区",
    u8"八步区",
    u8"昭平县",
    u8"钟山县",
    u8"富川瑶族自治县",
    u8"河池市",
    u8"市辖区",
    u8"金城江区",
    u8"南丹县",
    u8"天峨县",
    u8"凤山县",
    u8"东兰县",
    u8"罗城仫佬族自治县",
    u8"环江毛南族自治县",
    u8"巴马瑶族自治县",
    u8"都安瑶族自治县",
    u8"大化瑶族自治县",
    u8"宜州市",
    u8"来宾市",
    u8"市辖区",
    u8"兴宾区",
    u8"忻城县",
    u8"象州县",
    u8"武宣县",
    u8"金秀瑶族自治县",
    u8"合山市",
    u8"崇左市",
    u8"市辖区",
    u8"江洲区",
    u8"扶绥县",
    u8"宁明县",
    u8"龙州县",
    u8"大新县",
    u8"天等县",
    u8"凭祥市",
};
static_assert(recordCount(guangxiNamesUtf8) == recordCount(guangxiRecords));
static constexpr ProvinceTable guangxiTable = {guangxiRecords, recordCount(guangxiRecords), guangxiNamesUtf8};

// 46 海南省: 28 records, 3 city-level
static constexpr DivisionEntry hainanRecords[] = {
    {460100, "\xBA\xA3\xBF\xDA\xCA\xD0"},  // "海口市"
    {460101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {460105, "\xD0\xE3\xD3\xA2\xC7\xF8"},  // "秀英区"
    {460106, "\xC1\xFA\xBB\xAA\xC7\xF8"},  // "龙华区"
    {460107, "\xC7\xED\xC9\xBD\xC7\xF8"},  // "琼山区"
    {460108, "\xC3\xC0\xC0\xBC\xC7\xF8"},  // "美兰区"
    {460200, "\xC8\xFD\xD1\xC7\xCA\xD0"},  // "三亚市"
    {460201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {469000, "\xCA\xA1\xD6\xB1\xCF\xBD\xCF\xD8\xBC\xB6\xD0\xD0\xD5\xFE\xC7\xF8\xBB\xAE"},  // "省直辖县级行政区划"
    {469001, "\xCE\xE5\xD6\xB8\xC9\xBD\xCA\xD0"},  // "五指山市"
    {469002, "\xC7\xED\xBA\xA3\xCA\xD0"},  // "琼海市"
    {469003, "\xD9\xD9\xD6\xDD\xCA\xD0"},  // "儋州市"
    {469005, "\xCE\xC4\xB2\xFD\xCA\xD0"},  // "文昌市"
    {469006, "\xCD\xF2\xC4\xFE\xCA\xD0"},  // "万宁市"
    {469007, "\xB6\xAB\xB7\xBD\xCA\xD0"},  // "东方市"
    {469021, "\xB6\xA8\xB0\xB2\xCF\xD8"},  // "定安县"
    {469022, "\xCD\xCD\xB2\xFD\xCF\xD8"},  // "屯昌县"
    {469023, "\xB3\xCE\xC2\xF5\xCF\xD8"},  // "澄迈县"
    {469024, "\xC1\xD9\xB8\xDF\xCF\xD8"},  // "临高县"
    {469025, "\xB0\xD7\xC9\xB3\xC0\xE8\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "白沙黎族自治县"
    {469026, "\xB2\xFD\xBD\xAD\xC0\xE8\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "昌江黎族自治县"
    {469027, "\xC0\xD6\xB6\xAB\xC0\xE8\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "乐东黎族自治县"
    {469028, "\xC1\xEA\xCB\xAE\xC0\xE8\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "陵水黎族自治县"
    {469029, "\xB1\xA3\xCD\xA4\xC0\xE8\xD7\xE5\xC3\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "保亭黎族苗族自治县"
    {469030, "\xC7\xED\xD6\xD0\xC0\xE8\xD7\xE5\xC3\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "琼中黎族苗族自治县"
    {469031, "\xCE\xF7\xC9\xB3\xC8\xBA\xB5\xBA"},  // "西沙群岛"
    {469032, "\xC4\xCF\xC9\xB3\xC8\xBA\xB5\xBA"},  // "南沙群岛"
    {469033, "\xD6\xD0\xC9\xB3\xC8\xBA\xB5\xBA\xB5\xC4\xB5\xBA\xBD\xB8\xBC\xB0\xC6\xE4\xBA\xA3\xD3\xF2"},  // "中沙群岛的岛礁及其海域"
};
static constexpr const char* const hainanNamesUtf8[] = {
    u8"海口市",
    u8"市辖区",
    u8"秀英区",
    u8"龙华区",
    u8"琼山区",
    u8"美兰区",
    u8"三亚市",
    u8"市辖区",
    u8"省直辖县级行政区划",
    u8"五指山市",
    u8"琼海市",
    u8"儋州市",
    u8"文昌市",
    u8"万宁市",
    u8"东方市",
    u8"定安县",
    u8"屯昌县",
    u8"澄迈县",
    u8"临高县",
    u8"白沙黎族自治县",
    u8"昌江黎族自治县",
    u8"乐东黎族自治县",
    u8"陵水黎族自治县",
    u8"保亭黎族苗族自治县",
    u8"琼中黎族苗族自治县",
    u8"西沙群岛",
    u8"南沙群岛",
    u8"中沙群岛的岛礁及其海域",
};
static_assert(recordCount(hainanNamesUtf8) == recordCount(hainanRecords));
static constexpr ProvinceTable hainanTable = {hainanRecords, recordCount(hainanRecords), hainanNamesUtf8};

// 51 四川省: 220 records, 21 city-level
static constexpr DivisionEntry sichuanRecords[] = {
    {510100, "\xB3\xC9\xB6\xBC\xCA\xD0"},  // "成都市"
    {510101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {510104, "\xBD\xF5\xBD\xAD\xC7\xF8"},  // "锦江区"
    {510105, "\xC7\xE0\xD1\xF2\xC7\xF8"},  // "青羊区"
    {510106, "\xBD\xF0\xC5\xA3\xC7\xF8"},  // "金牛区"
    {510107, "\xCE\xE4\xBA\xEE\xC7\xF8"},  // "武侯区"
    {510108, "\xB3\xC9\xBB\xAA\xC7\xF8"},  // "成华区"
    {510112, "\xC1\xFA\xC8\xAA\xE6\xE4\xC7\xF8"},  // "龙泉驿区"
    {510113, "\xC7\xE0\xB0\xD7\xBD\xAD\xC7\xF8"},  // "青白江区"
    {510114, "\xD0\xC2\xB6\xBC\xC7\xF8"},  // "新都区"
    {510115, "\xCE\xC2\xBD\xAD\xC7\xF8"},  // "温江区"
    {510121, "\xBD\xF0\xCC\xC3\xCF\xD8"},  // "金堂县"
    {510122, "\xCB\xAB\xC1\xF7\xCF\xD8"},  // "双流县"
    {510124, "\xDB\xAF\xCF\xD8"},  // "郫县"
    {510129, "\xB4\xF3\xD2\xD8\xCF\xD8"},  // "大邑县"
    {510131, "\xC6\xD1\xBD\xAD\xCF\xD8"},  // "蒲江县"
    {510132, "\xD0\xC2\xBD\xF2\xCF\xD8"},  // "新津县"
    {510181, "\xB6\xBC\xBD\xAD\xD1\xDF\xCA\xD0"},  // "都江堰市"
    {510182, "\xC5\xED\xD6\xDD\xCA\xD0"},  // "彭州市"
    {510183, "\xDA\xF6\xE1\xC1\xCA\xD0"},  // "邛崃市"
    {510184, "\xB3\xE7\xD6\xDD\xCA\xD0"},  // "崇州市"
    {510300, "\xD7\xD4\xB9\xB1\xCA\xD0"},  // "自贡市"
    {510301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {510302, "\xD7\xD4\xC1\xF7\xBE\xAE\xC7\xF8"},  // "自流井区"
    {510303, "\xB9\xB1\xBE\xAE\xC7\xF8"},  // "贡井区"
    {510304, "\xB4\xF3\xB0\xB2\xC7\xF8"},  // "大安区"
    {510311, "\xD1\xD8\xCC\xB2\xC7\xF8"},  // "沿滩区"
    {510321, "\xC8\xD9\xCF\xD8"},  // "荣县"
    {510322, "\xB8\xBB\xCB\xB3\xCF\xD8"},  // "富顺县"
    {510400, "\xC5\xCA\xD6\xA6\xBB\xA8\xCA\xD0"},  // "攀枝花市"
    {510401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {510402, "\xB6\xAB\xC7\xF8"},  // "东区"
    {510403, "\xCE\xF7\xC7\xF8"},  // "西区"
    {510411, "\xC8\xCA\xBA\xCD\xC7\xF8"},  // "仁和区"
    {510421, "\xC3\xD7\xD2\xD7\xCF\xD8"},  // "米易县"
    {510422, "\xD1\xCE\xB1\xDF\xCF\xD8"},  // "盐边县"
    {510500, "\xE3\xF2\xD6\xDD\xCA\xD0"},  // "泸州市"
    {510501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {510502, "\xBD\xAD\xD1\xF4\xC7\xF8"},  // "江阳区"
    {510503, "\xC4\xC9\xCF\xAA\xC7\xF8"},  // "纳溪区"
    {510504, "\xC1\xFA\xC2\xED\xCC\xB6\xC7\xF8"},  // "龙马潭区"
    {510521, "\xE3\xF2\xCF\xD8"},  // "泸县"
    {510522, "\xBA\xCF\xBD\xAD\xCF\xD8"},  // "合江县"
    {510524, "\xD0\xF0\xD3\xC0\xCF\xD8"},  // "叙永县"
    {510525, "\xB9\xC5\xDD\xFE\xCF\xD8"},  // "古蔺县"
    {510600, "\xB5\xC2\xD1\xF4\xCA\xD0"},  // "德阳市"
    {510601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {510603, "\xEC\xBA\xD1\xF4\xC7\xF8"},  // "旌阳区"
    {510623, "\xD6\xD0\xBD\xAD\xCF\xD8"},  // "中江县"
    {510626, "\xC2\xDE\xBD\xAD\xCF\xD8"},  // "罗江县"
    {510681, "\xB9\xE3\xBA\xBA\xCA\xD0"},  // "广汉市"
    {510682, "\xCA\xB2\xDA\xFA\xCA\xD0"},  // "什邡市"
    {510683, "\xC3\xE0\xD6\xF1\xCA\xD0"},  // "绵竹市"
    {510700, "\xC3\xE0\xD1\xF4\xCA\xD0"},  // "绵阳市"
    {510701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {510703, "\xB8\xA2\xB3\xC7\xC7\xF8"},  // "涪城区"
    {510704, "\xD3\xCE\xCF\xC9\xC7\xF8"},  // "游仙区"
    {510722, "\xC8\xFD\xCC\xA8\xCF\xD8"},  // "三台县"
    {510723, "\xD1\xCE\xCD\xA4\xCF\xD8"},  // "盐亭县"
    {510724, "\xB0\xB2\xCF\xD8"},  // "安县"
    {510725, "\xE8\xF7\xE4\xFC\xCF\xD8"},  // "梓潼县"
    {510726, "\xB1\xB1\xB4\xA8\xC7\xBC\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "北川羌族自治县"
    {510727, "\xC6\xBD\xCE\xE4\xCF\xD8"},  // "平武县"
    {510781, "\xBD\xAD\xD3\xCD\xCA\xD0"},  // "江油市"
    {510800, "\xB9\xE3\xD4\xAA\xCA\xD0"},  // "广元市"
    {510801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {510802, "\xC0\xFB\xD6\xDD\xC7\xF8"},  // "利州区"
    {510811, "\xD4\xAA\xB0\xD3\xC7\xF8"},  // "元坝区"
    {510812, "\xB3\xAF\xCC\xEC\xC7\xF8"},  // "朝天区"
    {510821, "\xCD\xFA\xB2\xD4\xCF\xD8"},  // "旺苍县"
    {510822, "\xC7\xE0\xB4\xA8\xCF\xD8"},  // "青川县"
    {510823, "\xBD\xA3\xB8\xF3\xCF\xD8"},  // "剑阁县"
    {510824, "\xB2\xD4\xCF\xAA\xCF\xD8"},  // "苍溪县"
    {510900, "\xCB\xEC\xC4\xFE\xCA\xD0"},  // "遂宁市"
    {510901, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {510903, "\xB4\xAC\xC9\xBD\xC7\xF8"},  // "船山区"
    {510904, "\xB0\xB2\xBE\xD3\xC7\xF8"},  // "安居区"
    {510921, "\xC5\xEE\xCF\xAA\xCF\xD8"},  // "蓬溪县"
    {510922, "\xC9\xE4\xBA\xE9\xCF\xD8"},  // "射洪县"
    {510923, "\xB4\xF3\xD3\xA2\xCF\xD8"},  // "大英县"
    {511000, "\xC4\xDA\xBD\xAD\xCA\xD0"},  // "内江市"
    {511001, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {511002, "\xCA\xD0\xD6\xD0\xC7\xF8"},  // "市中区"
    {511011, "\xB6\xAB\xD0\xCB\xC7\xF8"},  // "东兴区"
    {511024, "\xCD\xFE\xD4\xB6\xCF\xD8"},  // "威远县"
    {511025, "\xD7\xCA\xD6\xD0\xCF\xD8"},  // "资中县"
    {511028, "\xC2\xA1\xB2\xFD\xCF\xD8"},  // "隆昌县"
    {511100, "\xC0\xD6\xC9\xBD\xCA\xD0"},  // "乐山市"
    {511101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {511102, "\xCA\xD0\xD6\xD0\xC7\xF8"},  // "市中区"
    {511111, "\xC9\xB3\xCD\xE5\xC7\xF8"},  // "沙湾区"
    {511112, "\xCE\xE5\xCD\xA8\xC7\xC5\xC7\xF8"},  // "五通桥区"
    {511113, "\xBD\xF0\xBF\xDA\xBA\xD3\xC7\xF8"},  // "金口河区"
    {511123, "\xEA\xF9\xCE\xAA\xCF\xD8"},  // "犍为县"
    {511124, "\xBE\xAE\xD1\xD0\xCF\xD8"},  // "井研县"
    {511126, "\xBC\xD0\xBD\xAD\xCF\xD8"},  // "夹江县"
    {511129, "\xE3\xE5\xB4\xA8\xCF\xD8"},  // "沐川县"
    {511132, "\xB6\xEB\xB1\xDF\xD2\xCD\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "峨边彝族自治县"
    {511133, "\xC2\xED\xB1\xDF\xD2\xCD\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "马边彝族自治县"
    {511181, "\xB6\xEB\xC3\xBC\xC9\xBD\xCA\xD0"},  // "峨眉山市"
    {511300, "\xC4\xCF\xB3\xE4\xCA\xD0"},  // "南充市"
    {511301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {511302, "\xCB\xB3\xC7\xEC\xC7\xF8"},  // "顺庆区"
    {511303, "\xB8\xDF\xC6\xBA\xC7\xF8"},  // "高坪区"
    {511304, "\xBC\xCE\xC1\xEA\xC7\xF8"},  // "嘉陵区"
    {511321, "\xC4\xCF\xB2\xBF\xCF\xD8"},  // "南部县"
    {511322, "\xD3\xAA\xC9\xBD\xCF\xD8"},  // "营山县"
    {511323, "\xC5\xEE\xB0\xB2\xCF\xD8"},  // "蓬安县"
    {511324, "\xD2\xC7\xC2\xA4\xCF\xD8"},  // "仪陇县"
    {511325, "\xCE\xF7\xB3\xE4\xCF\xD8"},  // "西充县"
    {511381, "\xE3\xCF\xD6\xD0\xCA\xD0"},  // "阆中市"
    {511400, "\xC3\xBC\xC9\xBD\xCA\xD0"},  // "眉山市"
    {511401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {511402, "\xB6\xAB\xC6\xC2\xC7\xF8"},  // "东坡区"
    {511421, "\xC8\xCA\xCA\xD9\xCF\xD8"},  // "仁寿县"
    {511422, "\xC5\xED\xC9\xBD\xCF\xD8"},  // "彭山县"
    {511423, "\xBA\xE9\xD1\xC5\xCF\xD8"},  // "洪雅县"
    {511424, "\xB5\xA4\xC0\xE2\xCF\xD8"},  // "丹棱县"
    {511425, "\xC7\xE0\xC9\xF1\xCF\xD8"},  // "青神县"
    {511500, "\xD2\xCB\xB1\xF6\xCA\xD0"},  // "宜宾市"
    {511501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {511502, "\xB4\xE4\xC6\xC1\xC7\xF8"},  // "翠屏区"
    {511521, "\xD2\xCB\xB1\xF6\xCF\xD8"},  // "宜宾县"
    {511522, "\xC4\xCF\xCF\xAA\xCF\xD8"},  // "南溪县"
    {511523, "\xBD\xAD\xB0\xB2\xCF\xD8"},  // "江安县"
    {511524, "\xB3\xA4\xC4\xFE\xCF\xD8"},  // "长宁县"
    {511525, "\xB8\xDF\xCF\xD8"},  // "高县"
    {511526, "\xE7\xEE\xCF\xD8"},  // "珙县"
    {511527, "\xF3\xDE\xC1\xAC\xCF\xD8"},  // "筠连县"
    {511528, "\xD0\xCB\xCE\xC4\xCF\xD8"},  // "兴文县"
    {511529, "\xC6\xC1\xC9\xBD\xCF\xD8"},  // "屏山县"
    {511600, "\xB9\xE3\xB0\xB2\xCA\xD0"},  // "广安市"
    {511601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {511602, "\xB9\xE3\xB0\xB2\xC7\xF8"},  // "广安区"
    {511621, "\xD4\xC0\xB3\xD8\xCF\xD8"},  // "岳池县"
    {511622, "\xCE\xE4\xCA\xA4\xCF\xD8"},  // "武胜县"
    {511623, "\xC1\xDA\xCB\xAE\xCF\xD8"},  // "邻水县"
    {511681, "\xBB\xAA\xDD\xF6\xCA\xD0"},  // "华蓥市"
    {511700, "\xB4\xEF\xD6\xDD\xCA\xD0"},  // "达州市"
    {511701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {511702, "\xCD\xA8\xB4\xA8\xC7\xF8"},  // "通川区"
    {511721, "\xB4\xEF\xCF\xD8"},  // "达县"
    {511722, "\xD0\xFB\xBA\xBA\xCF\xD8"},  // "宣汉县"
    {511723, "\xBF\xAA\xBD\xAD\xCF\xD8"},  // "开江县"
    {511724, "\xB4\xF3\xD6\xF1\xCF\xD8"},  // "大竹县"
    {511725, "\xC7\xFE\xCF\xD8"},  // "渠县"
    {511781, "\xCD\xF2\xD4\xB4\xCA\xD0"},  // "万源市"
    {511800, "\xD1\xC5\xB0\xB2\xCA\xD0"},  // "雅安市"
    {511801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {511802, "\xD3\xEA\xB3\xC7\xC7\xF8"},  // "雨城区"
    {511821, "\xC3\xFB\xC9\xBD\xCF\xD8"},  // "名山县"
    {511822, "\xDC\xFE\xBE\xAD\xCF\xD8"},  // "荥经县"
    {511823, "\xBA\xBA\xD4\xB4\xCF\xD8"},  // "汉源县"
    {511824, "\xCA\xAF\xC3\xDE\xCF\xD8"},  // "石棉县"
    {511825, "\xCC\xEC\xC8\xAB\xCF\xD8"},  // "天全县"
    {511826, "\xC2\xAB\xC9\xBD\xCF\xD8"},  // "芦山县"
    {511827, "\xB1\xA6\xD0\xCB\xCF\xD8"},  // "宝兴县"
    {511900, "\xB0\xCD\xD6\xD0\xCA\xD0"},  // "巴中市"
    {511901, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {511902, "\xB0\xCD\xD6\xDD\xC7\xF8"},  // "巴州区"
    {511921, "\xCD\xA8\xBD\xAD\xCF\xD8"},  // "通江县"
    {511922, "\xC4\xCF\xBD\xAD\xCF\xD8"},  // "南江县"
    {511923, "\xC6\xBD\xB2\xFD\xCF\xD8"},  // "平昌县"
    {512000, "\xD7\xCA\xD1\xF4\xCA\xD0"},  // "资阳市"
    {512001, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {512002, "\xD1\xE3\xBD\xAD\xC7\xF8"},  // "雁江区"
    {512021, "\xB0\xB2\xD4\xC0\xCF\xD8"},  // "安岳县"
    {512022, "\xC0\xD6\xD6\xC1\xCF\xD8"},  // "乐至县"
    {512081, "\xBC\xF2\xD1\xF4\xCA\xD0"},  // "简阳市"
    {513200, "\xB0\xA2\xB0\xD3\xB2\xD8\xD7\xE5\xC7\xBC\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "阿坝藏族羌族自治州"
    {513221, "\xE3\xEB\xB4\xA8\xCF\xD8"},  // "汶川县"
    {513222, "\xC0\xED\xCF\xD8"},  // "理县"
    {513223, "\xC3\xAF\xCF\xD8"},  // "茂县"
    {513224, "\xCB\xC9\xC5\xCB\xCF\xD8"},  // "松潘县"
    {513225, "\xBE\xC5\xD5\xAF\xB9\xB5\xCF\xD8"},  // "九寨沟县"
    {513226, "\xBD\xF0\xB4\xA8\xCF\xD8"},  // "金川县"
    {513227, "\xD0\xA1\xBD\xF0\xCF\xD8"},  // "小金县"
    {513228, "\xBA\xDA\xCB\xAE\xCF\xD8"},  // "黑水县"
    {513229, "\xC2\xED\xB6\xFB\xBF\xB5\xCF\xD8"},  // "马尔康县"
    {513230, "\xC8\xC0\xCC\xC1\xCF\xD8"},  // "壤塘县"
    {513231, "\xB0\xA2\xB0\xD3\xCF\xD8"},  // "阿坝县"
    {513232, "\xC8\xF4\xB6\xFB\xB8\xC7\xCF\xD8"},  // "若尔盖县"
    {513233, "\xBA\xEC\xD4\xAD\xCF\xD8"},  // "红原县"
    {513300, "\xB8\xCA\xD7\xCE\xB2\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "甘孜藏族自治州"
    {513321, "\xBF\xB5\xB6\xA8\xCF\xD8"},  // "康定县"
    {513322, "\xE3\xF2\xB6\xA8\xCF\xD8"},  // "泸定县"
    {513323, "\xB5\xA4\xB0\xCD\xCF\xD8"},  // "丹巴县"
    {513324, "\xBE\xC5\xC1\xFA\xCF\xD8"},  // "九龙县"
    {513325, "\xD1\xC5\xBD\xAD\xCF\xD8"},  // "雅江县"
    {513326, "\xB5\xC0\xE6\xDA\xCF\xD8"},  // "道孚县"
    {513327, "\xC2\xAF\xBB\xF4\xCF\xD8"},  // "炉霍县"
    {513328, "\xB8\xCA\xD7\xCE\xCF\xD8"},  // "甘孜县"
    {513329, "\xD0\xC2\xC1\xFA\xCF\xD8"},  // "新龙县"
    {513330, "\xB5\xC2\xB8\xF1\xCF\xD8"},  // "德格县"
    {513331, "\xB0\xD7\xD3\xF1\xCF\xD8"},  // "白玉县"
    {513332, "\xCA\xAF\xC7\xFE\xCF\xD8"},  // "石渠县"
    {513333, "\xC9\xAB\xB4\xEF\xCF\xD8"},  // "色达县"
    {513334, "\xC0\xED\xCC\xC1\xCF\xD8"},  // "理塘县"
    {513335, "\xB0\xCD\xCC\xC1\xCF\xD8"},  // "巴塘县"
    {513336, "\xCF\xE7\xB3\xC7\xCF\xD8"},  // "乡城县"
    {513337, "\xB5\xBE\xB3\xC7\xCF\xD8"},  // "稻城县"
    {513338, "\xB5\xC3\xC8\xD9\xCF\xD8"},  // "得荣县"
    {513400, "\xC1\xB9\xC9\xBD\xD2\xCD\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "凉山彝族自治州"
    {513401, "\xCE\xF7\xB2\xFD\xCA\xD0"},  // "西昌市"
    {513422, "\xC4\xBE\xC0\xEF\xB2\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "木里藏族自治县"
    {513423, "\xD1\xCE\xD4\xB4\xCF\xD8"},  // "盐源县"
    {513424, "\xB5\xC2\xB2\xFD\xCF\xD8"},  // "德昌县"
    {513425, "\xBB\xE1\xC0\xED\xCF\xD8"},  // "会理县"
    {513426, "\xBB\xE1\xB6\xAB\xCF\xD8"},  // "会东县"
    {513427, "\xC4\xFE\xC4\xCF\xCF\xD8"},  // "宁南县"
    {513428, "\xC6\xD5\xB8\xF1\xCF\xD8"},  // "普格县"
    {513429, "\xB2\xBC\xCD\xCF\xCF\xD8"},  // "布拖县"
    {513430, "\xBD\xF0\xD1\xF4\xCF\xD8"},  // "金阳县"
    {513431, "\xD5\xD1\xBE\xF5\xCF\xD8"},  // "昭觉县"
    {513432, "\xCF\xB2\xB5\xC2\xCF\xD8"},  // "喜德县"
    {513433, "\xC3\xE1\xC4\xFE\xCF\xD8"},  // "冕宁县"
    {513434, "\xD4\xBD\xCE\xF7\xCF\xD8"},  // "越西县"
    {513435, "\xB8\xCA\xC2\xE5\xCF\xD8"},  // "甘洛县"
    {513436, "\xC3\xC0\xB9\xC3\xCF\xD8"},  // "美姑县"
    {513437, "\xC0\xD7\xB2\xA8\xCF\xD8"},  // "雷波县"
};
static constexpr const char* const sichuanNamesUtf8[] = {
    u8"成都市",
    u8"市辖区",
    u8"锦江区",
    u8"青羊区",
    u8"金牛区",
    u8"武侯区",
    u8"成华区",
    u8"龙泉驿区",
    u8"青白江区",
    u8"新都区",
    u8"温江区",
    u8"金堂县",
    u8"双流县",
    u8"郫县",
    u8"大邑县",
    u8"蒲江县",
    u8"新津县",
    u8"都江堰市",
    u8"彭州市",
    u8"邛崃市",
    u8"崇州市",
    u8"自贡市",
    u8"市辖区",
    u8"自流井区",
    u8"贡井区",
    u8"大安区",
    u8"沿滩区",
    u8"荣县",
    u8"富顺县",
    u8"攀枝花市",
    u8"市辖区",
    u8"东区",
    u8"西区",
    u8"仁和区",
    u8"米易县",
    u8"盐边县",
    u8"泸州市",
    u8"市辖区",
    u8"江阳区",
    u8"纳溪区",
    u8"龙马潭区",
    u8"泸县",
    u8"合江县",
    u8"叙永县",
    u8"古蔺县",
    u8"德阳市",
    u8"市辖区",
    u8"旌阳区",
    u8"中江县",
    u8"罗江县",
    u8"广汉市",
    u8"什邡市",
    u8"绵竹市",
    u8"绵阳市",
    u8"市辖区",
    u8"涪城区",
    u8"游仙区",
    u8"三台县",
    u8"盐亭县",
    u8"安县",
    u8"梓潼县",
    u8"北川羌族自治县",
    u8"平武县",
    u8"江油市",
    u8"广元市",
    u8"市辖区",
    u8"利州区",
    u8"元坝区",
    u8"朝天区",
    u8"旺苍县",
    u8"青川县",
    u8"剑阁县",
    u8"苍溪县",
    u8"遂宁市",
    u8"市辖区",
    u8"船山区",
    u8"安居区",
    u8"蓬溪县",
    u8"射洪县",
    u8"大英县",
    u8"内江市",
    u8"市辖区",
    u8"市中区",
    u8"东兴区",
    u8"威远县",
    u8"资中县",
    u8"隆昌县",
    u8"乐山市",
    u8"市辖区",
    u8"市中区",
    u8"沙湾区",
    u8"五通桥区",
    u8"金口河区",
    u8"犍为县",
    u8"井研县",
    u8"夹江县",
    u8"沐川县",
    u8"峨边彝族自治县",
    u8"马边彝族自治县",
    u8"峨眉山市",
    u8"南充市",
    u8"市辖区",
    u8"顺庆区",
    u8"高坪区",
    u8"嘉陵区",
    u8"南部县",
    u8"营山县",
    u8"蓬安县",
    u8"仪陇县",
    u8"西充县",
    u8"阆中市",
    u8"眉山市",
    u8"市辖区",
    u8"东坡区",
    u8"仁寿县",
    u8"彭山县",
    u8"洪雅县",
    u8"丹棱县",
    u8"青神县",
    u8"宜宾市",
    u8"市辖区",
    u8"翠屏区",
    u8"宜宾县",
    u8"南溪县",
    u8"江安县",
    u8"长宁县",
    u8"高县",
    u8"珙县",
    u8"筠连县",
    u8"兴文县",
    u8"屏山县",
    u8"广安市",
    u8"市辖区",
    u8"广安区",
    u8"岳池县",
    u8"武胜县",
    u8"邻水县",
    u8"华蓥市",
    u8"达州市",
    u8"市辖区",
    u8"通川区",
    u8"达县",
    u8"宣汉县",
    u8"开江县",
    u8"大竹县",
    u8"渠县",
    u8"万源市",
    u8"雅安市",
    u8"市辖区",
    u8"雨城区",
    u8"名山县",
    u8"荥经县",
    u8"汉源县",
    u8"石棉县",
    u8"天全县",
    u8"芦山县",
    u8"宝兴县",
    u8"巴中市",
    u8"市辖区",
    u8"巴州区",
    u8"通江县",
    u8"南江县",
    u8"平昌县",
    u8"资阳市",
    u8"市辖区",
    u8"雁江区",
    u8"安岳县",
    u8"乐至县",
    u8"简阳市",
    u8"阿坝藏族羌族自治州",
    u8"汶川县",
    u8"理县",
    u8"茂县",
    u8"松潘县",
    u8"九寨沟县",
    u8"金川县",
    u8"小金县",
    u8"黑水县",
    u8"马尔康县",
    u8"壤塘县",
    u8"阿坝县",
    u8"若尔盖县",
    u8"红原县",
    u8"甘孜藏族自治州",
    u8"康定县",
    u8"泸定县",
    u8"丹巴县",
    u8"九龙县",
    u8"雅江县",
    u8"道孚县",
    u8"炉霍县",
    u8"甘孜县",
    u8"新龙县",
    u8"德格县",
    u8"白玉县",
    u8"石渠县",
    u8"色达县",
    u8"理塘县",
    u8"巴塘县",
    u8"乡城县",
    u8"稻城县",
    u8"得荣县",
    u8"凉山彝族自治州",
    u8"西昌市",
    u8"木里藏族自治县",
    u8"盐源县",
    u8"德昌县",
    u8"会理县",
    u8"会东县",
    u8"宁南县",
    u8"普格县",
    u8"布拖县",
    u8"金阳县",
    u8"昭觉县",
    u8"喜德县",
    u8"冕宁县",
    u8"越西县",
    u8"甘洛县",
    u8"美姑县",
    u8"雷波县",
};
static_assert(recordCount(sichuanNamesUtf8) == recordCount(sichuanRecords));
static constexpr ProvinceTable sichuanTable = {sichuanRecords, recordCount(sichuanRecords), sichuanNamesUtf8};

// 52 贵州省: 100 records, 9 city-level
static constexpr DivisionEntry guizhouRecords[] = {
    {520100, "\xB9\xF3\xD1\xF4\xCA\xD0"},  // "贵阳市"
    {520101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {520102, "\xC4\xCF\xC3\xF7\xC7\xF8"},  // "南明区"
    {520103, "\xD4\xC6\xD1\xD2\xC7\xF8"},  // "云岩区"
    {520111, "\xBB\xA8\xCF\xAA\xC7\xF8"},  // "花溪区"
    {520112, "\xCE\xDA\xB5\xB1\xC7\xF8"},  // "乌当区"
    {520113, "\xB0\xD7\xD4\xC6\xC7\xF8"},  // "白云区"
    {520114, "\xD0\xA1\xBA\xD3\xC7\xF8"},  // "小河区"
    {520121, "\xBF\xAA\xD1\xF4\xCF\xD8"},  // "开阳县"
    {520122, "\xCF\xA2\xB7\xE9\xCF\xD8"},  // "息烽县"
    {520123, "\xD0\xDE\xCE\xC4\xCF\xD8"},  // "修文县"
    {520181, "\xC7\xE5\xD5\xF2\xCA\xD0"},  // "清镇市"
    {520200, "\xC1\xF9\xC5\xCC\xCB\xAE\xCA\xD0"},  // "六盘水市"
    {520201, "\xD6\xD3\xC9\xBD\xC7\xF8"},  // "钟山区"
    {520203, "\xC1\xF9\xD6\xA6\xCC\xD8\xC7\xF8"},  // "六枝特区"
    {520221, "\xCB\xAE\xB3\xC7\xCF\xD8"},  // "水城县"
    {520222, "\xC5\xCC\xCF\xD8"},  // "盘县"
    {520300, "\xD7\xF1\xD2\xE5\xCA\xD0"},  // "遵义市"
    {520301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {520302, "\xBA\xEC\xBB\xA8\xB8\xDA\xC7\xF8"},  // "红花岗区"
    {520303, "\xBB\xE3\xB4\xA8\xC7\xF8"},  // "汇川区"
    {520321, "\xD7\xF1\xD2\xE5\xCF\xD8"},  // "遵义县"
    {520322, "\xCD\xA9\xE8\xF7\xCF\xD8"},  // "桐梓县"
    {520323, "\xCB\xE7\xD1\xF4\xCF\xD8"},  // "绥阳县"
    {520324, "\xD5\xFD\xB0\xB2\xCF\xD8"},  // "正安县"
    {520325, "\xB5\xC0\xD5\xE6\xD8\xEE\xC0\xD0\xD7\xE5\xC3\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "道真仡佬族苗族自治县"
    {520326, "\xCE\xF1\xB4\xA8\xD8\xEE\xC0\xD0\xD7\xE5\xC3\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "务川仡佬族苗族自治县"
    {520327, "\xB7\xEF\xB8\xD4\xCF\xD8"},  // "凤冈县"
    {520328, "\xE4\xD8\xCC\xB6\xCF\xD8"},  // "湄潭县"
    {520329, "\xD3\xE0\xC7\xEC\xCF\xD8"},  // "余庆县"
    {520330, "\xCF\xB0\xCB\xAE\xCF\xD8"},  // "习水县"
    {520381, "\xB3\xE0\xCB\xAE\xCA\xD0"},  // "赤水市"
    {520382, "\xC8\xCA\xBB\xB3\xCA\xD0"},  // "仁怀市"
    {520400, "\xB0\xB2\xCB\xB3\xCA\xD0"},  // "安顺市"
    {520401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {520402, "\xCE\xF7\xD0\xE3\xC7\xF8"},  // "西秀区"
    {520421, "\xC6\xBD\xB0\xD3\xCF\xD8"},  // "平坝县"
    {520422, "\xC6\xD5\xB6\xA8\xCF\xD8"},  // "普定县"
    {520423, "\xD5\xF2\xC4\xFE\xB2\xBC\xD2\xC0\xD7\xE5\xC3\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "镇宁布依族苗族自治县"
    {520424, "\xB9\xD8\xC1\xEB\xB2\xBC\xD2\xC0\xD7\xE5\xC3\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "关岭布依族苗族自治县"
    {520425, "\xD7\xCF\xD4\xC6\xC3\xE7\xD7\xE5\xB2\xBC\xD2\xC0\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "紫云苗族布依族自治县"
    {522200, "\xCD\xAD\xC8\xCA\xB5\xD8\xC7\xF8"},  // "铜仁地区"
    {522201, "\xCD\xAD\xC8\xCA\xCA\xD0"},  // "铜仁市"
    {522222, "\xBD\xAD\xBF\xDA\xCF\xD8"},  // "江口县"
    {522223, "\xD3\xF1\xC6\xC1\xB6\xB1\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "玉屏侗族自治县"
    {522224, "\xCA\xAF\xDA\xE4\xCF\xD8"},  // "石阡县"
    {522225, "\xCB\xBC\xC4\xCF\xCF\xD8"},  // "思南县"
    {522226, "\xD3\xA1\xBD\xAD\xCD\xC1\xBC\xD2\xD7\xE5\xC3\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "印江土家族苗族自治县"
    {522227, "\xB5\xC2\xBD\xAD\xCF\xD8"},  // "德江县"
    {522228, "\xD1\xD8\xBA\xD3\xCD\xC1\xBC\xD2\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "沿河土家族自治县"
    {522229, "\xCB\xC9\xCC\xD2\xC3\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "松桃苗族自治县"
    {522230, "\xCD\xF2\xC9\xBD\xCC\xD8\xC7\xF8"},  // "万山特区"
    {522300, "\xC7\xAD\xCE\xF7\xC4\xCF\xB2\xBC\xD2\xC0\xD7\xE5\xC3\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "黔西南布依族苗族自治州"
    {522301, "\xD0\xCB\xD2\xE5\xCA\xD0"},  // "兴义市"
    {522322, "\xD0\xCB\xC8\xCA\xCF\xD8"},  // "兴仁县"
    {522323, "\xC6\xD5\xB0\xB2\xCF\xD8"},  // "普安县"
    {522324, "\xC7\xE7\xC2\xA1\xCF\xD8"},  // "晴隆县"
    {522325, "\xD5\xEA\xB7\xE1\xCF\xD8"},  // "贞丰县"
    {522326, "\xCD\xFB\xDA\xD3\xCF\xD8"},  // "望谟县"
    {522327, "\xB2\xE1\xBA\xE0\xCF\xD8"},  // "册亨县"
    {522328, "\xB0\xB2\xC1\xFA\xCF\xD8"},  // "安龙县"
    {522400, "\xB1\xCF\xBD\xDA\xB5\xD8\xC7\xF8"},  // "毕节地区"
    {522401, "\xB1\xCF\xBD\xDA\xCA\xD0"},  // "毕节市"
    {522422, "\xB4\xF3\xB7\xBD\xCF\xD8"},  // "大方县"
    {522423, "\xC7\xAD\xCE\xF7\xCF\xD8"},  // "黔西县"
    {522424, "\xBD\xF0\xC9\xB3\xCF\xD8"},  // "金沙县"
    {522425, "\xD6\xAF\xBD\xF0\xCF\xD8"},  // "织金县"
    {522426, "\xC4\xC9\xD3\xBA\xCF\xD8"},  // "纳雍县"
    {522427, "\xCD\xFE\xC4\xFE\xD2\xCD\xD7\xE5\xBB\xD8\xD7\xE5\xC3\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "威宁彝族回族苗族自治县"
    {522428, "\xBA\xD5\xD5\xC2\xCF\xD8"},  // "赫章县"
    {522600, "\xC7\xAD\xB6\xAB\xC4\xCF\xC3\xE7\xD7\xE5\xB6\xB1\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "黔东南苗族侗族自治州"
    {522601, "\xBF\xAD\xC0\xEF\xCA\xD0"},  // "凯里市"
    {522622, "\xBB\xC6\xC6\xBD\xCF\xD8"},  // "黄平县"
    {522623, "\xCA\xA9\xB1\xFC\xCF\xD8"},  // "施秉县"
    {522624, "\xC8\xFD\xCB\xEB\xCF\xD8"},  // "三穗县"
    {522625, "\xD5\xF2\xD4\xB6\xCF\xD8"},  // "镇远县"
    {522626, "\xE1\xAF\xB9\xAE\xCF\xD8"},  // "岑巩县"
    {522627, "\xCC\xEC\xD6\xF9\xCF\xD8"},  // "天柱县"
    {522628, "\xBD\xF5\xC6\xC1\xCF\xD8"},  // "锦屏县"
    {522629, "\xBD\xA3\xBA\xD3\xCF\xD8"},  // "剑河县"
    {522630, "\xCC\xA8\xBD\xAD\xCF\xD8"},  // "台江县"
    {522631, "\xC0\xE8\xC6\xBD\xCF\xD8"},  // "黎平县"
    {522632, "\xE9\xC5\xBD\xAD\xCF\xD8"},  // "榕江县"
    {522633, "\xB4\xD3\xBD\xAD\xCF\xD8"},  // "从江县"
    {522634, "\xC0\xD7\xC9\xBD\xCF\xD8"},  // "雷山县"
    {522635, "\xC2\xE9\xBD\xAD\xCF\xD8"},  // "麻江县"
    {522636, "\xB5\xA4\xD5\xAF\xCF\xD8"},  // "丹寨县"
    {522700, "\xC7\xAD\xC4\xCF\xB2\xBC\xD2\xC0\xD7\xE5\xC3\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "黔南布依族苗族自治州"
    {522701, "\xB6\xBC\xD4\xC8\xCA\xD0"},  // "都匀市"
    {522702, "\xB8\xA3\xC8\xAA\xCA\xD0"},  // "福泉市"
    {522722, "\xC0\xF3\xB2\xA8\xCF\xD8"},  // "荔波县"
    {522723, "\xB9\xF3\xB6\xA8\xCF\xD8"},  // "贵定县"
    {522725, "\xCE\xCD\xB0\xB2\xCF\xD8"},  // "瓮安县"
    {522726, "\xB6\xC0\xC9\xBD\xCF\xD8"},  // "独山县"
    {522727, "\xC6\xBD\xCC\xC1\xCF\xD8"},  // "平塘县"
    {522728, "\xC2\xDE\xB5\xE9\xCF\xD8"},  // "罗甸县"
    {522729, "\xB3\xA4\xCB\xB3\xCF\xD8"},  // "长顺县"
    {522730, "\xC1\xFA\xC0\xEF\xCF\xD8"},  // "龙里县"
    {522731, "\xBB\xDD\xCB\xAE\xCF\xD8"},  // "惠水县"
    {522732, "\xC8\xFD\xB6\xBC\xCB\xAE\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "三都水族自治县"
};
static constexpr const char* const guizhouNamesUtf8[] = {
    u8"贵阳市",
    u8"市辖区",
    u8"南明区",
    u8"云岩区",
    u8"花溪区",
    u8"乌当区",
    u8"白云区",
    u8"小河区",
    u8"开阳县",
    u8"息烽县",
    u8"修文县",
    u8"清镇市",
    u8"六盘水市",
    u8"钟山区",
    u8"六枝特区",
    u8"水城县",
    u8"盘县",
    u8"遵义市",
    u8"市辖区",
    u8"红花岗区",
    u8"汇川区",
    u8"遵义县",
    u8"桐梓县",
    u8"绥阳县",
    u8"正安县",
    u8"道真仡佬族苗族自治县",
    u8"务川仡佬族苗族自治县",
    u8"凤冈县",
    u8"湄潭县",
    u8"余庆县",
    u8"习水县",
    u8"赤水市",
    u8"仁怀市",
    u8"安顺市",
    u8"市辖区",
    u8"西秀区",
    u8"平坝县",
    u8"普定县",
    u8"镇宁布依族苗族自治县",
    u8"关岭布依族苗族自治县",
    u8"紫云苗族布依族自治县",
    u8"铜仁地区",
    u8"铜仁市",
    u8"江口县",
    u8"玉屏侗族自治县",
    u8"石阡县",
    u8"思南县",
    u8"印江土家族苗族自治县",
    u8"德江县",
    u8"沿河土家族自治县",
    u8"松桃苗族自治县",
    u8"万山特区",
    u8"黔西南布依族苗族自治州",
    u8"兴义市",
    u8"兴仁县",
    u8"普安县",
    u8"晴隆县",
    u8"贞丰县",
    u8"望谟县",
    u8"册亨县",
    u8"安龙县",
    u8"毕节地区",
    u8"毕节市",
    u8"大方县",
    u8"黔西县",
    u8"金沙县",
    u8"织金县",
    u8"纳雍县",
    u8"威宁彝族回族苗族自治县",
    u8"赫章县",
    u8"黔东南苗族侗族自治州",
    u8"凯里市",
    u8"黄平县",
    u8"施秉县",
    u8"三穗县",
    u8"镇远县",
    u8"岑巩县",
    u8"天柱县",
    u8"锦屏县",
    u8"剑河县",
    u8"台江县",
    u8"黎平县",
    u8"榕江县",
    u8"从江县",
    u8"雷山县",
    u8"麻江县",
    u8"丹寨县",
    u8"黔南布依族苗族自治州",
    u8"都匀市",
    u8"福泉市",
    u8"荔波县",
    u8"贵定县",
    u8"瓮安县",
    u8"独山县",
    u8"平塘县",
    u8"罗甸县",
    u8"长顺县",
    u8"龙里县",
    u8"惠水县",
    u8"三都水族自治县",
};
static_assert(recordCount(guizhouNamesUtf8) == recordCount(guizhouRecords));
static constexpr ProvinceTable guizhouTable = {guizhouRecords, recordCount(guizhouRecords), guizhouNamesUtf8};

// 53 云南省: 153 records, 16 city-level
static constexpr DivisionEntry yunnanRecords[] = {
    {530100, "\xC0\xA5\xC3\xF7\xCA\xD0"},  // "昆明市"
    {530101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {530102, "\xCE\xE5\xBB\xAA\xC7\xF8"},  // "五华区"
    {530103, "\xC5\xCC\xC1\xFA\xC7\xF8"},  // "盘龙区"
    {530111, "\xB9\xD9\xB6\xC9\xC7\xF8"},  // "官渡区"
    {530112, "\xCE\xF7\xC9\xBD\xC7\xF8"},  // "西山区"
    {530113, "\xB6\xAB\xB4\xA8\xC7\xF8"},  // "东川区"
    {530121, "\xB3\xCA\xB9\xB1\xCF\xD8"},  // "呈贡县"
    {530122, "\xBD\xFA\xC4\xFE\xCF\xD8"},  // "晋宁县"
    {530124, "\xB8\xBB\xC3\xF1\xCF\xD8"},  // "富民县"
    {530125, "\xD2\xCB\xC1\xBC\xCF\xD8"},  // "宜良县"
    {530126, "\xCA\xAF\xC1\xD6\xD2\xCD\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "石林彝族自治县"
    {530127, "\xE1\xD4\xC3\xF7\xCF\xD8"},  // "嵩明县"
    {530128, "\xC2\xBB\xC8\xB0\xD2\xCD\xD7\xE5\xC3\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "禄劝彝族苗族自治县"
    {530129, "\xD1\xB0\xB5\xE9\xBB\xD8\xD7\xE5\xD2\xCD\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "寻甸回族彝族自治县"
    {530181, "\xB0\xB2\xC4\xFE\xCA\xD0"},  // "安宁市"
    {530300, "\xC7\xFA\xBE\xB8\xCA\xD0"},  // "曲靖市"
    {530301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {530302, "\xF7\xE8\xF7\xEB\xC7\xF8"},  // "麒麟区"
    {530321, "\xC2\xED\xC1\xFA\xCF\xD8"},  // "马龙县"
    {530322, "\xC2\xBD\xC1\xBC\xCF\xD8"},  // "陆良县"
    {530323, "\xCA\xA6\xD7\xDA\xCF\xD8"},  // "师宗县"
    {530324, "\xC2\xDE\xC6\xBD\xCF\xD8"},  // "罗平县"
    {530325, "\xB8\xBB\xD4\xB4\xCF\xD8"},  // "富源县"
    {530326, "\xBB\xE1\xD4\xF3\xCF\xD8"},  // "会泽县"
    {530328, "\xD5\xB4\xD2\xE6\xCF\xD8"},  // "沾益县"
    {530381, "\xD0\xFB\xCD\xFE\xCA\xD0"},  // "宣威市"
    {530400, "\xD3\xF1\xCF\xAA\xCA\xD0"},  // "玉溪市"
    {530401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {530402, "\xBA\xEC\xCB\xFE\xC7\xF8"},  // "红塔区"
    {530421, "\xBD\xAD\xB4\xA8\xCF\xD8"},  // "江川县"
    {530422, "\xB3\xCE\xBD\xAD\xCF\xD8"},  // "澄江县"
    {530423, "\xCD\xA8\xBA\xA3\xCF\xD8"},  // "通海县"
    {530424, "\xBB\xAA\xC4\xFE\xCF\xD8"},  // "华宁县"
    {530425, "\xD2\xD7\xC3\xC5\xCF\xD8"},  // "易门县"
    {530426, "\xB6\xEB\xC9\xBD\xD2\xCD\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "峨山彝族自治县"
    {530427, "\xD0\xC2\xC6\xBD\xD2\xCD\xD7\xE5\xB4\xF6\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "新平彝族傣族自治县"
    {530428, "\xD4\xAA\xBD\xAD\xB9\xFE\xC4\xE1\xD7\xE5\xD2\xCD\xD7\xE5\xB4\xF6\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "元江哈尼族彝族傣族自治县"
    {530500, "\xB1\xA3\xC9\xBD\xCA\xD0"},  // "保山市"
    {530501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {530502, "\xC2\xA1\xD1\xF4\xC7\xF8"},  // "隆阳区"
    {530521, "\xCA\xA9\xB5\xE9\xCF\xD8"},  // "施甸县"
    {530522, "\xCC\xDA\xB3\xE5\xCF\xD8"},  // "腾冲县"
    {530523, "\xC1\xFA\xC1\xEA\xCF\xD8"},  // "龙陵县"
    {530524, "\xB2\xFD\xC4\xFE\xCF\xD8"},  // "昌宁县"
    {530600, "\xD5\xD1\xCD\xA8\xCA\xD0"},  // "昭通市"
    {530601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {530602, "\xD5\xD1\xD1\xF4\xC7\xF8"},  // "昭阳区"
    {530621, "\xC2\xB3\xB5\xE9\xCF\xD8"},  // "鲁甸县"
    {530622, "\xC7\xC9\xBC\xD2\xCF\xD8"},  // "巧家县"
    {530623, "\xD1\xCE\xBD\xF2\xCF\xD8"},  // "盐津县"
    {530624, "\xB4\xF3\xB9\xD8\xCF\xD8"},  // "大关县"
    {530625, "\xD3\xC0\xC9\xC6\xCF\xD8"},  // "永善县"
    {530626, "\xCB\xE7\xBD\xAD\xCF\xD8"},  // "绥江县"
    {530627, "\xD5\xF2\xD0\xDB\xCF\xD8"},  // "镇雄县"
    {530628, "\xD2\xCD\xC1\xBC\xCF\xD8"},  // "彝良县"
    {530629, "\xCD\xFE\xD0\xC5\xCF\xD8"},  // "威信县"
    {530630, "\xCB\xAE\xB8\xBB\xCF\xD8"},  // "水富县"
    {530700, "\xC0\xF6\xBD\xAD\xCA\xD0"},  // "丽江市"
    {530701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {530702, "\xB9\xC5\xB3\xC7\xC7\xF8"},  // "古城区"
    {530721, "\xD3\xF1\xC1\xFA\xC4\xC9\xCE\xF7\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "玉龙纳西族自治县"
    {530722, "\xD3\xC0\xCA\xA4\xCF\xD8"},  // "永胜县"
    {530723, "\xBB\xAA\xC6\xBA\xCF\xD8"},  // "华坪县"
    {530724, "\xC4\xFE\xDD\xF5\xD2\xCD\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "宁蒗彝族自治县"
    {530800, "\xC6\xD5\xB6\xFD\xCA\xD0"},  // "普洱市"
    {530801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {530802, "\xCB\xBC\xC3\xA9\xC7\xF8"},  // "思茅区"
    {530821, "\xC4\xFE\xB6\xFD\xB9\xFE\xC4\xE1\xD7\xE5\xD2\xCD\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "宁洱哈尼族彝族自治县"
    {530822, "\xC4\xAB\xBD\xAD\xB9\xFE\xC4\xE1\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "墨江哈尼族自治县"
    {530823, "\xBE\xB0\xB6\xAB\xD2\xCD\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "景东彝族自治县"
    {530824, "\xBE\xB0\xB9\xC8\xB4\xF6\xD7\xE5\xD2\xCD\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "景谷傣族彝族自治县"
    {530825, "\xD5\xF2\xE3\xE4\xD2\xCD\xD7\xE5\xB9\xFE\xC4\xE1\xD7\xE5\xC0\xAD\xEC\xEF\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "镇沅彝族哈尼族拉祜族自治县"
    {530826, "\xBD\xAD\xB3\xC7\xB9\xFE\xC4\xE1\xD7\xE5\xD2\xCD\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "江城哈尼族彝族自治县"
    {530827, "\xC3\xCF\xC1\xAC\xB4\xF6\xD7\xE5\xC0\xAD\xEC\xEF\xD7\xE5\xD8\xF4\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "孟连傣族拉祜族佤族自治县"
    {530828, "\xC0\xBD\xB2\xD7\xC0\xAD\xEC\xEF\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "澜沧拉祜族自治县"
    {530829, "\xCE\xF7\xC3\xCB\xD8\xF4\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "西盟佤族自治县"
    {530900, "\xC1\xD9\xB2\xD7\xCA\xD0"},  // "临沧市"
    {530901, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {530902, "\xC1\xD9\xCF\xE8\xC7\xF8"},  // "临翔区"
    {530921, "\xB7\xEF\xC7\xEC\xCF\xD8"},  // "凤庆县"
    {530922, "\xD4\xC6\xCF\xD8"},  // "云县"
    {530923, "\xD3\xC0\xB5\xC2\xCF\xD8"},  // "永德县"
    {530924, "\xD5\xF2\xBF\xB5\xCF\xD8"},  // "镇康县"
    {530925, "\xCB\xAB\xBD\xAD\xC0\xAD\xEC\xEF\xD7\xE5\xD8\xF4\xD7\xE5\xB2\xBC\xC0\xCA\xD7\xE5\xB4\xF6\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "双江拉祜族佤族布朗族傣族自治县"
    {530926, "\xB9\xA2\xC2\xED\xB4\xF6\xD7\xE5\xD8\xF4\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "耿马傣族佤族自治县"
    {530927, "\xB2\xD7\xD4\xB4\xD8\xF4\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "沧源佤族自治县"
    {532300, "\xB3\xFE\xD0\xDB\xD2\xCD\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "楚雄彝族自治州"
    {532301, "\xB3\xFE\xD0\xDB\xCA\xD0"},  // "楚雄市"
    {532322, "\xCB\xAB\xB0\xD8\xCF\xD8"},  // "双柏县"
    {532323, "\xC4\xB2\xB6\xA8\xCF\xD8"},  // "牟定县"
    {532324, "\xC4\xCF\xBB\xAA\xCF\xD8"},  // "南华县"
    {532325, "\xD2\xA6\xB0\xB2\xCF\xD8"},  // "姚安县"
    {532326, "\xB4\xF3\xD2\xA6\xCF\xD8"},  // "大姚县"
    {532327, "\xD3\xC0\xC8\xCA\xCF\xD8"},  // "永仁县"
    {532328, "\xD4\xAA\xC4\xB1\xCF\xD8"},  // "元谋县"
    {532329, "\xCE\xE4\xB6\xA8\xCF\xD8"},  // "武定县"
    {532331, "\xC2\xBB\xB7\xE1\xCF\xD8"},  // "禄丰县"
    {532500, "\xBA\xEC\xBA\xD3\xB9\xFE\xC4\xE1\xD7\xE5\xD2\xCD\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "红河哈尼族彝族自治州"
    {532501, "\xB8\xF6\xBE\xC9\xCA\xD0"},  // "个旧市"
    {532502, "\xBF\xAA\xD4\xB6\xCA\xD0"},  // "开远市"
    {532522, "\xC3\xC9\xD7\xD4\xCF\xD8"},  // "蒙自县"
    {532523, "\xC6\xC1\xB1\xDF\xC3\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "屏边苗族自治县"
    {532524, "\xBD\xA8\xCB\xAE\xCF\xD8"},  // "建水县"
    {532525, "\xCA\xAF\xC6\xC1\xCF\xD8"},  // "石屏县"
    {532526, "\xC3\xD6\xC0\xD5\xCF\xD8"},  // "弥勒县"
    {532527, "\xE3\xF2\xCE\xF7\xCF\xD8"},  // "泸西县"
    {532528, "\xD4\xAA\xD1\xF4\xCF\xD8"},  // "元阳县"
    {532529, "\xBA\xEC\xBA\xD3\xCF\xD8"},  // "红河县"
    {532530, "\xBD\xF0\xC6\xBD\xC3\xE7\xD7\xE5\xD1\xFE\xD7\xE5\xB4\xF6\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "金平苗族瑶族傣族自治县"
    {532531, "\xC2\xCC\xB4\xBA\xCF\xD8"},  // "绿春县"
    {532532, "\xBA\xD3\xBF\xDA\xD1\xFE\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "河口瑶族自治县"
    {532600, "\xCE\xC4\xC9\xBD\xD7\xB3\xD7\xE5\xC3\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "文山壮族苗族自治州"
    {532621, "\xCE\xC4\xC9\xBD\xCF\xD8"},  // "文山县"
    {532622, "\xD1\xE2\xC9\xBD\xCF\xD8"},  // "砚山县"
    {532623, "\xCE\xF7\xB3\xEB\xCF\xD8"},  // "西畴县"
    {532624, "\xC2\xE9\xC0\xF5\xC6\xC2\xCF\xD8"},  // "麻栗坡县"
    {532625, "\xC2\xED\xB9\xD8\xCF\xD8"},  // "马关县"
    {532626, "\xC7\xF0\xB1\xB1\xCF\xD8"},  // "丘北县"
    {532627, "\xB9\xE3\xC4\xCF\xCF\xD8"},  // "广南县"
    {532628, "\xB8\xBB\xC4\xFE\xCF\xD8"},  // "富宁县"
    {532800, "\xCE\xF7\xCB\xAB\xB0\xE6\xC4\xC9\xB4\xF6\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "西双版纳傣族自治州"
    {532801, "\xBE\xB0\xBA\xE9\xCA\xD0"},  // "景洪市"
    {532822, "\xDB\xC2\xBA\xA3\xCF\xD8"},  // "勐海县"
    {532823, "\xDB\xC2\xC0\xB0\xCF\xD8"},  // "勐腊县"
    {532900, "\xB4\xF3\xC0\xED\xB0\xD7\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "大理白族自治州"
    {532901, "\xB4\xF3\xC0\xED\xCA\xD0"},  // "大理市"
    {532922, "\xD1\xFA\xE5\xA8\xD2\xCD\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "漾濞彝族自治县"
    {532923, "\xCF\xE9\xD4\xC6\xCF\xD8"},  // "祥云县"
    {532924, "\xB1\xF6\xB4\xA8\xCF\xD8"},  // "宾川县"
    {532925, "\xC3\xD6\xB6\xC9\xCF\xD8"},  // "弥渡县"
    {532926, "\xC4\xCF\xBD\xA7\xD2\xCD\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "南涧彝族自治县"
    {532927, "\xCE\xA1\xC9\xBD\xD2\xCD\xD7\xE5\xBB\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "巍山彝族回族自治县"
    {532928, "\xD3\xC0\xC6\xBD\xCF\xD8"},  // "永平县"
    {532929, "\xD4\xC6\xC1\xFA\xCF\xD8"},  // "云龙县"
    {532930, "\xB6\xFD\xD4\xB4\xCF\xD8"},  // "洱源县"
    {532931, "\xBD\xA3\xB4\xA8\xCF\xD8"},  // "剑川县"
    {532932, "\xBA\xD7\xC7\xEC\xCF\xD8"},  // "鹤庆县"
    {533100, "\xB5\xC2\xBA\xEA\xB4\xF6\xD7\xE5\xBE\xB0\xC6\xC4\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "德宏傣族景颇族自治州"
    {533102, "\xC8\xF0\xC0\xF6\xCA\xD0"},  // "瑞丽市"
    {533103, "\xC2\xBA\xCE\xF7\xCA\xD0"},  // "潞西市"
    {533122, "\xC1\xBA\xBA\xD3\xCF\xD8"},  // "梁河县"
    {533123, "\xD3\xAF\xBD\xAD\xCF\xD8"},  // "盈江县"
    {533124, "\xC2\xA4\xB4\xA8\xCF\xD8"},  // "陇川县"
    {533300, "\xC5\xAD\xBD\xAD\xC0\xFC\xCB\xDB\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "怒江傈僳族自治州"
    {533321, "\xE3\xF2\xCB\xAE\xCF\xD8"},  // "泸水县"
    {533323, "\xB8\xA3\xB9\xB1\xCF\xD8"},  // "福贡县"
    {533324, "\xB9\xB1\xC9\xBD\xB6\xC0\xC1\xFA\xD7\xE5\xC5\xAD\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "贡山独龙族怒族自治县"
    {533325, "\xC0\xBC\xC6\xBA\xB0\xD7\xD7\xE5\xC6\xD5\xC3\xD7\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "兰坪白族普米族自治县"
    {533400, "\xB5\xCF\xC7\xEC\xB2\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "迪庆藏族自治州"
    {533421, "\xCF\xE3\xB8\xF1\xC0\xEF\xC0\xAD\xCF\xD8"},  // "香格里拉县"
    {533422, "\xB5\xC2\xC7\xD5\xCF\xD8"},  // "德钦县"
    {533423, "\xCE\xAC\xCE\xF7\xC0\xFC\xCB\xDB\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "维西傈僳族自治县"
};
static constexpr const char* const yunnanNamesUtf8[] = {
    u8"昆明市",
    u8"市辖区",
    u8"五华区",
    u8"盘龙区",
    u8"官渡区",
    u8"西山区",
    u8"东川区",
    u8"呈贡县",
    u8"晋宁县",
    u8"富民县",
    u8"宜良县",
    u8"石林彝族自治县",
    u8"嵩明县",
    u8"禄劝彝族苗族自治县",
    u8"寻甸回族彝族自治县",
    u8"安宁市",
    u8"曲靖市",
    u8"市辖区",
    u8"麒麟区",
    u8"马龙县",
    u8"陆良县",
    u8"师宗县",
    u8"罗平县",
    u8"富源县",
    u8"会泽县",
    u8"沾益县",
    u8"宣威市",
    u8"玉溪市",
    u8"市辖区",
    u8"红塔区",
    u8"江川县",
    u8"澄江县",
    u8"通海县",
    u8"华宁县",
    u8"易门县",
    u8"峨山彝族自治县",
    u8"新平彝族傣族自治县",
    u8"元江哈尼族彝族傣族自治县",
    u8"保山市",
    u8"市辖区",
    u8"隆阳区",
    u8"施甸县",
    u8"腾冲县",
    u8"龙陵县",
    u8"昌宁县",
    u8"昭通市",
    u8"市辖区",
    u8"昭阳区",
    u8"鲁甸县",
    u8"巧家县",
    u8"盐津县",
    u8"大关县",
    u8"永善县",
    u8"绥江县",
    u8"镇雄县",
    u8"彝良县",
    u8"威信县",
    u8"水富县",
    u8"丽江市",
    u8"市辖区",
    u8"古城区",
    u8"玉龙纳西族自治县",
    u8"永胜县",
    u8"华坪县",
    u8"宁蒗彝族自治县",
    u8"普洱市",
    u8"市辖区",
    u8"思茅区",
    u8"宁洱哈尼族彝族自治县",
    u8"墨江哈尼族自治县",
    u8"景东彝族自治县",
    u8"景谷傣族彝族自治县",
    u8"镇沅彝族哈尼族拉祜族自治县",
    u8"江城哈尼族彝族自治县",
    u8"孟连傣族拉祜族佤族自治县",
    u8"澜沧拉祜族自治县",
    u8"西盟佤族自治县",
    u8"临沧市",
    u8"市辖区",
    u8"临翔区",
    u8"凤庆县",
    u8"云县",
    u8"永德县",
    u8"镇康县",
    u8"双江拉祜族佤族布朗族傣族自治县",
    u8"耿马傣族佤族自治县",
    u8"沧源佤族自治县",
    u8"楚雄彝族自治州",
    u8"楚雄市",
    u8"双柏县",
    u8"牟定县",
    u8"南华县",
    u8"姚安县",
    u8"大姚县",
    u8"永仁县",
    u8"元谋县",
    u8"武定县",
    u8"禄丰县",
    u8"红河哈尼族彝族自治州",
    u8"个旧市",
    u8"开远市",
    u8"蒙自县",
    u8"屏边苗族自治县",
    u8"建水县",
    u8"石屏县",
    u8"弥勒县",
    u8"泸西县",
    u8"元阳县",
    u8"红河县",
    u8"金平苗族瑶族傣族自治县",
    u8"绿春县",
    u8"河口瑶族自治县",
    u8"文山壮族苗族自治州",
    u8"文山县",
    u8"砚山县",
    u8"西畴县",
    u8"麻栗坡县",
    u8"马关县",
    u8"丘北县",
    u8"广南县",
    u8"富宁县",
    u8"西双版纳傣族自治州",
    u8"景洪市",
    u8"勐海县",
    u8"勐腊县",
    u8"大理白族自治州",
    u8"大理市",
    u8"漾濞彝族自治县",
    u8"祥云县",
    u8"宾川县",
    u8"弥渡县",
    u8"南涧彝族自治县",
    u8"巍山彝族回族自治县",
    u8"永平县",
    u8"云龙县",
    u8"洱源县",
    u8"剑川县",
    u8"鹤庆县",
    u8"德宏傣族景颇族自治州",
    u8"瑞丽市",
    u8"潞西市",
    u8"梁河县",
    u8"盈江县",
    u8"陇川县",
    u8"怒江傈僳族自治州",
    u8"泸水县",
    u8"福贡县",
    u8"贡山独龙族怒族自治县",
    u8"兰坪白族普米族自治县",
    u8"迪庆藏族自治州",
    u8"香格里拉县",
    u8"德钦县",
    u8"维西傈僳族自治县",
};
static_assert(recordCount(yunnanNamesUtf8) == recordCount(yunnanRecords));
static constexpr ProvinceTable yunnanTable = {yunnanRecords, recordCount(yunnanRecords), yunnanNamesUtf8};

// 54 西藏自治区: 81 records, 7 city-level
static constexpr DivisionEntry tibetRecords[] = {
    {540100, "\xC0\xAD\xC8\xF8\xCA\xD0"},  // "拉萨市"
    {540101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {540102, "\xB3\xC7\xB9\xD8\xC7\xF8"},  // "城关区"
    {540121, "\xC1\xD6\xD6\xDC\xCF\xD8"},  // "林周县"
    {540122, "\xB5\xB1\xD0\xDB\xCF\xD8"},  // "当雄县"
    {540123, "\xC4\xE1\xC4\xBE\xCF\xD8"},  // "尼木县"
    {540124, "\xC7\xFA\xCB\xAE\xCF\xD8"},  // "曲水县"
    {540125, "\xB6\xD1\xC1\xFA\xB5\xC2\xC7\xEC\xCF\xD8"},  // "堆龙德庆县"
    {540126, "\xB4\xEF\xD7\xCE\xCF\xD8"},  // "达孜县"
    {540127, "\xC4\xAB\xD6\xF1\xB9\xA4\xBF\xA8\xCF\xD8"},  // "墨竹工卡县"
    {542100, "\xB2\xFD\xB6\xBC\xB5\xD8\xC7\xF8"},  // "昌都地区"
    {542121, "\xB2\xFD\xB6\xBC\xCF\xD8"},  // "昌都县"
    {542122, "\xBD\xAD\xB4\xEF\xCF\xD8"},  // "江达县"
    {542123, "\xB9\xB1\xBE\xF5\xCF\xD8"},  // "贡觉县"
    {542124, "\xC0\xE0\xCE\xDA\xC6\xEB\xCF\xD8"},  // "类乌齐县"
    {542125, "\xB6\xA1\xC7\xE0\xCF\xD8"},  // "丁青县"
    {542126, "\xB2\xEC\xD1\xC5\xCF\xD8"},  // "察雅县"
    {542127, "\xB0\xCB\xCB\xDE\xCF\xD8"},  // "八宿县"
    {542128, "\xD7\xF3\xB9\xB1\xCF\xD8"},  // "左贡县"
    {542129, "\xC3\xA2\xBF\xB5\xCF\xD8"},  // "芒康县"
    {542132, "\xC2\xE5\xC2\xA1\xCF\xD8"},  // "洛隆县"
    {542133, "\xB1\xDF\xB0\xD3\xCF\xD8"},  // "边坝县"
    {542200, "\xC9\xBD\xC4\xCF\xB5\xD8\xC7\xF8"},  // "山南地区"
    {542221, "\xC4\xCB\xB6\xAB\xCF\xD8"},  // "乃东县"
    {542222, "\xD4\xFA\xC4\xD2\xCF\xD8"},  // "扎囊县"
    {542223, "\xB9\xB1\xB8\xC2\xCF\xD8"},  // "贡嘎县"
    {542224, "\xC9\xA3\xC8\xD5\xCF\xD8"},  // "桑日县"
    {542225, "\xC7\xED\xBD\xE1\xCF\xD8"},  // "琼结县"
    {542226, "\xC7\xFA\xCB\xC9\xCF\xD8"},  // "曲松县"
    {542227, "\xB4\xEB\xC3\xC0\xCF\xD8"},  // "措美县"
    {542228, "\xC2\xE5\xD4\xFA\xCF\xD8"},  // "洛扎县"
    {542229, "\xBC\xD3\xB2\xE9\xCF\xD8"},  // "加查县"
    {542231, "\xC2\xA1\xD7\xD3\xCF\xD8"},  // "隆子县"
    {542232, "\xB4\xED\xC4\xC7\xCF\xD8"},  // "错那县"
    {542233, "\xC0\xCB\xBF\xA8\xD7\xD3\xCF\xD8"},  // "浪卡子县"
    {542300, "\xC8\xD5\xBF\xA6\xD4\xF2\xB5\xD8\xC7\xF8"},  // "日喀则地区"
    {542301, "\xC8\xD5\xBF\xA6\xD4\xF2\xCA\xD0"},  // "日喀则市"
    {542322, "\xC4\xCF\xC4\xBE\xC1\xD6\xCF\xD8"},  // "南木林县"
    {542323, "\xBD\xAD\xD7\xCE\xCF\xD8"},  // "江孜县"
    {542324, "\xB6\xA8\xC8\xD5\xCF\xD8"},  // "定日县"
    {542325, "\xC8\xF8\xE5\xC8\xCF\xD8"},  // "萨迦县"
    {542326, "\xC0\xAD\xD7\xCE\xCF\xD8"},  // "拉孜县"
    {542327, "\xB0\xBA\xC8\xCA\xCF\xD8"},  // "昂仁县"
    {542328, "\xD0\xBB\xCD\xA8\xC3\xC5\xCF\xD8"},  // "谢通门县"
    {542329, "\xB0\xD7\xC0\xCA\xCF\xD8"},  // "白朗县"
    {542330, "\xC8\xCA\xB2\xBC\xCF\xD8"},  // "仁布县"
    {542331, "\xBF\xB5\xC2\xED\xCF\xD8"},  // "康马县"
    {542332, "\xB6\xA8\xBD\xE1\xCF\xD8"},  // "定结县"
    {542333, "\xD6\xD9\xB0\xCD\xCF\xD8"},  // "仲巴县"
    {542334, "\xD1\xC7\xB6\xAB\xCF\xD8"},  // "亚东县"
    {542335, "\xBC\xAA\xC2\xA1\xCF\xD8"},  // "吉隆县"
    {542336, "\xC4\xF4\xC0\xAD\xC4\xBE\xCF\xD8"},  // "聂拉木县"
    {542337, "\xC8\xF8\xB8\xC2\xCF\xD8"},  // "萨嘎县"
    {542338, "\xB8\xDA\xB0\xCD\xCF\xD8"},  // "岗巴县"
    {542400, "\xC4\xC7\xC7\xFA\xB5\xD8\xC7\xF8"},  // "那曲地区"
    {542421, "\xC4\xC7\xC7\xFA\xCF\xD8"},  // "那曲县"
    {542422, "\xBC\xCE\xC0\xE8\xCF\xD8"},  // "嘉黎县"
    {542423, "\xB1\xC8\xC8\xE7\xCF\xD8"},  // "比如县"
    {542424, "\xC4\xF4\xC8\xD9\xCF\xD8"},  // "聂荣县"
    {542425, "\xB0\xB2\xB6\xE0\xCF\xD8"},  // "安多县"
    {542426, "\xC9\xEA\xD4\xFA\xCF\xD8"},  // "申扎县"
    {542427, "\xCB\xF7\xCF\xD8"},  // "索县"
    {542428, "\xB0\xE0\xB8\xEA\xCF\xD8"},  // "班戈县"
    {542429, "\xB0\xCD\xC7\xE0\xCF\xD8"},  // "巴青县"
    {542430, "\xC4\xE1\xC2\xEA\xCF\xD8"},  // "尼玛县"
    {542500, "\xB0\xA2\xC0\xEF\xB5\xD8\xC7\xF8"},  // "阿里地区"
    {542521, "\xC6\xD5\xC0\xBC\xCF\xD8"},  // "普兰县"
    {542522, "\xD4\xFD\xB4\xEF\xCF\xD8"},  // "札达县"
    {542523, "\xB8\xC1\xB6\xFB\xCF\xD8"},  // "噶尔县"
    {542524, "\xC8\xD5\xCD\xC1\xCF\xD8"},  // "日土县"
    {542525, "\xB8\xEF\xBC\xAA\xCF\xD8"},  // "革吉县"
    {542526, "\xB8\xC4\xD4\xF2\xCF\xD8"},  // "改则县"
    {542527, "\xB4\xEB\xC7\xDA\xCF\xD8"},  // "措勤县"
    {542600, "\xC1\xD6\xD6\xA5\xB5\xD8\xC7\xF8"},  // "林芝地区"
    {542621, "\xC1\xD6\xD6\xA5\xCF\xD8"},  // "林芝县"
    {542622, "\xB9\xA4\xB2\xBC\xBD\xAD\xB4\xEF\xCF\xD8"},  // "工布江达县"
    {542623, "\xC3\xD7\xC1\xD6\xCF\xD8"},  // "米林县"
    {542624, "\xC4\xAB\xCD\xD1\xCF\xD8"},  // "墨脱县"
    {542625, "\xB2\xA8\xC3\xDC\xCF\xD8"},  // "波密县"
    {542626, "\xB2\xEC\xD3\xE7\xCF\xD8"},  // "察隅县"
    {542627, "\xC0\xCA\xCF\xD8"},  // "朗县"
};
static constexpr const char* const tibetNamesUtf8[] = {
    u8"拉萨市",
    u8"市辖区",
    u8"城关区",
    u8"林周县",
    u8"当雄县",
    u8"尼木县",
    u8"曲水县",
    u8"堆龙德庆县",
    u8"达孜县",
    u8"墨竹工卡县",
    u8"昌都地区",
    u8"昌都县",
    u8"江达县",
    u8"贡觉县",
    u8"类乌齐县",
    u8"丁青县",
    u8"察雅县",
    u8"八宿县",
    u8"左贡县",
    u8"芒康县",
    u8"洛隆县",
    u8"边坝县",
    u8"山南地区",
    u8"乃东县",
    u8"扎囊县",
    u8"贡嘎县",
    u8"桑日县",
    u8"琼结县",
    u8"曲松县",
    u8"措美县",
    u8"洛扎县",
    u8"加查县",
    u8"隆子县",
    u8"错那县",
    u8"浪卡子县",
    u8"日喀则地区",
    u8"日喀则市",
    u8"南木林县",
    u8"江孜县",
    u8"定日县",
    u8"萨迦县",
    u8"拉孜县",
    u8"昂仁县",
    u8"谢通门县",
    u8"白朗县",
    u8"仁布县",
    u8"康马县",
    u8"定结县",
    u8"仲巴县",
    u8"亚东县",
    u8"吉隆县",
    u8"聂拉木县",
    u8"萨嘎县",
    u8"岗巴县",
    u8"那曲地区",
    u8"那曲县",
    u8"嘉黎县",
    u8"比如县",
    u8"聂荣县",
    u8"安多县",
    u8"申扎县",
    u8"索县",
    u8"班戈县",
    u8"巴青县",
    u8"尼玛县",
    u8"阿里地区",
    u8"普兰县",
    u8"札达县",
    u8"噶尔县",
    u8"日土县",
    u8"革吉县",
    u8"改则县",
    u8"措勤县",
    u8"林芝地区",
    u8"林芝县",
    u8"工布江达县",
    u8"米林县",
    u8"墨脱县",
    u8"波密县",
    u8"察隅县",
    u8"朗县",
};
static_assert(recordCount(tibetNamesUtf8) == recordCount(tibetRecords));
static constexpr ProvinceTable tibetTable = {tibetRecords, recordCount(tibetRecords), tibetNamesUtf8};

// 61 陕西省: 127 records, 10 city-level
static constexpr DivisionEntry shaanxiRecords[] = {
    {610100, "\xCE\xF7\xB0\xB2\xCA\xD0"},  // "西安市"
    {610101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {610102, "\xD0\xC2\xB3\xC7\xC7\xF8"},  // "新城区"
    {610103, "\xB1\xAE\xC1\xD6\xC7\xF8"},  // "碑林区"
    {610104, "\xC1\xAB\xBA\xFE\xC7\xF8"},  // "莲湖区"
    {610111, "\xE5\xB1\xC7\xC5\xC7\xF8"},  // "灞桥区"
    {610112, "\xCE\xB4\xD1\xEB\xC7\xF8"},  // "未央区"
    {610113, "\xD1\xE3\xCB\xFE\xC7\xF8"},  // "雁塔区"
    {610114, "\xD1\xD6\xC1\xBC\xC7\xF8"},  // "阎良区"
    {610115, "\xC1\xD9\xE4\xFC\xC7\xF8"},  // "临潼区"
    {610116, "\xB3\xA4\xB0\xB2\xC7\xF8"},  // "长安区"
    {610122, "\xC0\xB6\xCC\xEF\xCF\xD8"},  // "蓝田县"
    {610124, "\xD6\xDC\xD6\xC1\xCF\xD8"},  // "周至县"
    {610125, "\xBB\xA7\xCF\xD8"},  // "户县"
    {610126, "\xB8\xDF\xC1\xEA\xCF\xD8"},  // "高陵县"
    {610200, "\xCD\xAD\xB4\xA8\xCA\xD0"},  // "铜川市"
    {610201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {610202, "\xCD\xF5\xD2\xE6\xC7\xF8"},  // "王益区"
    {610203, "\xD3\xA1\xCC\xA8\xC7\xF8"},  // "印台区"
    {610204, "\xD2\xAB\xD6\xDD\xC7\xF8"},  // "耀州区"
    {610222, "\xD2\xCB\xBE\xFD\xCF\xD8"},  // "宜君县"
    {610300, "\xB1\xA6\xBC\xA6\xCA\xD0"},  // "宝鸡市"
    {610301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {610302, "\xCE\xBC\xB1\xF5\xC7\xF8"},  // "渭滨区"
    {610303, "\xBD\xF0\xCC\xA8\xC7\xF8"},  // "金台区"
    {610304, "\xB3\xC2\xB2\xD6\xC7\xF8"},  // "陈仓区"
    {610322, "\xB7\xEF\xCF\xE8\xCF\xD8"},  // "凤翔县"
    {610323, "\xE1\xAA\xC9\xBD\xCF\xD8"},  // "岐山县"
    {610324, "\xB7\xF6\xB7\xE7\xCF\xD8"},  // "扶风县"
    {610326, "\xC3\xBC\xCF\xD8"},  // "眉县"
    {610327, "\xC2\xA4\xCF\xD8"},  // "陇县"
    {610328, "\xC7\xA7\xD1\xF4\xCF\xD8"},  // "千阳县"
    {610329, "\xF7\xEB\xD3\xCE\xCF\xD8"},  // "麟游县"
    {610330, "\xB7\xEF\xCF\xD8"},  // "凤县"
    {610331, "\xCC\xAB\xB0\xD7\xCF\xD8"},  // "太白县"
    {610400, "\xCF\xCC\xD1\xF4\xCA\xD0"},  // "咸阳市"
    {610401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {610402, "\xC7\xD8\xB6\xBC\xC7\xF8"},  // "秦都区"
    {610403, "\xD1\xEE\xC1\xEA\xC7\xF8"},  // "杨陵区"
    {610404, "\xCE\xBC\xB3\xC7\xC7\xF8"},  // "渭城区"
    {610422, "\xC8\xFD\xD4\xAD\xCF\xD8"},  // "三原县"
    {610423, "\xE3\xFE\xD1\xF4\xCF\xD8"},  // "泾阳县"
    {610424, "\xC7\xAC\xCF\xD8"},  // "乾县"
    {610425, "\xC0\xF1\xC8\xAA\xCF\xD8"},  // "礼泉县"
    {610426, "\xD3\xC0\xCA\xD9\xCF\xD8"},  // "永寿县"
    {610427, "\xB1\xF2\xCF\xD8"},  // "彬县"
    {610428, "\xB3\xA4\xCE\xE4\xCF\xD8"},  // "长武县"
    {610429, "\xD1\xAE\xD2\xD8\xCF\xD8"},  // "旬邑县"
    {610430, "\xB4\xBE\xBB\xAF\xCF\xD8"},  // "淳化县"
    {610431, "\xCE\xE4\xB9\xA6\xCF\xD8"},  // "武功县"
    {610481, "\xD0\xCB\xC6\xBD\xCA\xD0"},  // "兴平市"
    {610500, "\xCE\xBC\xC4\xCF\xCA\xD0"},  // "渭南市"
    {610501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {610502, "\xC1\xD9\xCE\xBC\xC7\xF8"},  // "临渭区"
    {610521, "\xBB\xAA\xCF\xD8"},  // "华县"
    {610522, "\xE4\xFC\xB9\xD8\xCF\xD8"},  // "潼关县"
    {610523, "\xB4\xF3\xC0\xF3\xCF\xD8"},  // "大荔县"
    {610524, "\xBA\xCF\xD1\xF4\xCF\xD8"},  // "合阳县"
    {610525, "\xB3\xCE\xB3\xC7\xCF\xD8"},  // "澄城县"
    {610526, "\xC6\xD1\xB3\xC7\xCF\xD8"},  // "蒲城县"
    {610527, "\xB0\xD7\xCB\xAE\xCF\xD8"},  // "白水县"
    {610528, "\xB8\xBB\xC6\xBD\xCF\xD8"},  // "富平县"
    {610581, "\xBA\xAB\xB3\xC7\xCA\xD0"},  // "韩城市"
    {610582, "\xBB\xAA\xD2\xF5\xCA\xD0"},  // "华阴市"
    {610600, "\xD1\xD3\xB0\xB2\xCA\xD0"},  // "延安市"
    {610601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {610602, "\xB1\xA6\xCB\xFE\xC7\xF8"},  // "宝塔区"
    {610621, "\xD1\xD3\xB3\xA4\xCF\xD8"},  // "延长县"
    {610622, "\xD1\xD3\xB4\xA8\xCF\xD8"},  // "延川县"
    {610623, "\xD7\xD3\xB3\xA4\xCF\xD8"},  // "子长县"
    {610624, "\xB0\xB2\xC8\xFB\xCF\xD8"},  // "安塞县"
    {610625, "\xD6\xBE\xB5\xA4\xCF\xD8"},  // "志丹县"
    {610626, "\xCE\xE2\xC6\xF0\xCF\xD8"},  // "吴起县"
    {610627, "\xB8\xCA\xC8\xAA\xCF\xD8"},  // "甘泉县"
    {610628, "\xB8\xBB\xCF\xD8"},  // "富县"
    {610629, "\xC2\xE5\xB4\xA8\xCF\xD8"},  // "洛川县"
    {610630, "\xD2\xCB\xB4\xA8\xCF\xD8"},  // "宜川县"
    {610631, "\xBB\xC6\xC1\xFA\xCF\xD8"},  // "黄龙县"
    {610632, "\xBB\xC6\xC1\xEA\xCF\xD8"},  // "黄陵县"
    {610700, "\xBA\xBA\xD6\xD0\xCA\xD0"},  // "汉中市"
    {610701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {610702, "\xBA\xBA\xCC\xA8\xC7\xF8"},  // "汉台区"
    {610721, "\xC4\xCF\xD6\xA3\xCF\xD8"},  // "南郑县"
    {610722, "\xB3\xC7\xB9\xCC\xCF\xD8"},  // "城固县"
    {610723, "\xD1\xF3\xCF\xD8"},  // "洋县"
    {610724, "\xCE\xF7\xCF\xE7\xCF\xD8"},  // "西乡县"
    {610725, "\xC3\xE3\xCF\xD8"},  // "勉县"
    {610726, "\xC4\xFE\xC7\xBF\xCF\xD8"},  // "宁强县"
    {610727, "\xC2\xD4\xD1\xF4\xCF\xD8"},  // "略阳县"
    {610728, "\xD5\xF2\xB0\xCD\xCF\xD8"},  // "镇巴县"
    {610729, "\xC1\xF4\xB0\xD3\xCF\xD8"},  // "留坝县"
    {610730, "\xB7\xF0\xC6\xBA\xCF\xD8"},  // "佛坪县"
    {610800, "\xD3\xDC\xC1\xD6\xCA\xD0"},  // "榆林市"
    {610801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {610802, "\xD3\xDC\xD1\xF4\xC7\xF8"},  // "榆阳区"
    {610821, "\xC9\xF1\xC4\xBE\xCF\xD8"},  // "神木县"
    {610822, "\xB8\xAE\xB9\xC8\xCF\xD8"},  // "府谷县"
    {610823, "\xBA\xE1\xC9\xBD\xCF\xD8"},  // "横山县"
    {610824, "\xBE\xB8\xB1\xDF\xCF\xD8"},  // "靖边县"
    {610825, "\xB6\xA8\xB1\xDF\xCF\xD8"},  // "定边县"
    {610826, "\xCB\xE7\xB5\xC2\xCF\xD8"},  // "绥德县"
    {610827, "\xC3\xD7\xD6\xAC\xCF\xD8"},  // "米脂县"
    {610828, "\xBC\xD1\xCF\xD8"},  // "佳县"
    {610829, "\xCE\xE2\xB1\xA4\xCF\xD8"},  // "吴堡县"
    {610830, "\xC7\xE5\xBD\xA7\xCF\xD8"},  // "清涧县"
    {610831, "\xD7\xD3\xD6\xDE\xCF\xD8"},  // "子洲县"
    {610900, "\xB0\xB2\xBF\xB5\xCA\xD0"},  // "安康市"
    {610901, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {610902, "\xBA\xBA\xB1\xF5\xC7\xF8"},  // "汉滨区"
    {610921, "\xBA\xBA\xD2\xF5\xCF\xD8"},  // "汉阴县"
    {610922, "\xCA\xAF\xC8\xAA\xCF\xD8"},  // "石泉县"
    {610923, "\xC4\xFE\xC9\xC2\xCF\xD8"},  // "宁陕县"
    {610924, "\xD7\xCF\xD1\xF4\xCF\xD8"},  // "紫阳县"
    {610925, "\xE1\xB0\xB8\xDE\xCF\xD8"},  // "岚皋县"
    {610926, "\xC6\xBD\xC0\xFB\xCF\xD8"},  // "平利县"
    {610927, "\xD5\xF2\xC6\xBA\xCF\xD8"},  // "镇坪县"
    {610928, "\xD1\xAE\xD1\xF4\xCF\xD8"},  // "旬阳县"
    {610929, "\xB0\xD7\xBA\xD3\xCF\xD8"},  // "白河县"
    {611000, "\xC9\xCC\xC2\xE5\xCA\xD0"},  // "商洛市"
    {611001, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {611002, "\xC9\xCC\xD6\xDD\xC7\xF8"},  // "商州区"
    {611021, "\xC2\xE5\xC4\xCF\xCF\xD8"},  // "洛南县"
    {611022, "\xB5\xA4\xB7\xEF\xCF\xD8"},  // "丹凤县"
    {611023, "\xC9\xCC\xC4\xCF\xCF\xD8"},  // "商南县"
    {611024, "\xC9\xBD\xD1\xF4\xCF\xD8"},  // "山阳县"
    {611025, "\xD5\xF2\xB0\xB2\xCF\xD8"},  // "镇安县"
    {611026, "\xD7\xF5\xCB\xAE\xCF\xD8"},  // "柞水县"
};
static constexpr const char* const shaanxiNamesUtf8[] = {
    u8"西安市",
    u8"市辖区",
    u8"新城区",
    u8"碑林区",
    u8"莲湖区",
    u8"灞桥区",
    u8"未央区",
    u8"雁塔区",
    u8"阎良区",
    u8"临潼区",
    u8"长安区",
    u8"蓝田县",
    u8"周至县",
    u8"户县",
    u8"高陵县",
    u8"铜川市",
    u8"市辖区",
    u8"王益区",
    u8"印台区",
    u8"耀州区",
    u8"宜君县",
    u8"宝鸡市",
    u8"市辖区",
    u8"渭滨区",
    u8"金台区",
    u8"陈仓区",
    u8"凤翔县",
    u8"岐山县",
    u8"扶风县",
    u8"眉县",
    u8"陇县",
    u8"千阳县",
    u8"麟游县",
    u8"凤县",
    u8"太白县",
    u8"咸阳市",
    u8"市辖区",
    u8"秦都区",
    u8"杨陵区",
    u8"渭城区",
    u8"三原县",
    u8"泾阳县",
    u8"乾县",
    u8"礼泉县",
    u8"永寿县",
    u8"彬县",
    u8"长武县",
    u8"旬邑县",
    u8"淳化县",
    u8"武功县",
    u8"兴平市",
    u8"渭南市",
    u8"市辖区",
    u8"临渭区",
    u8"华县",
    u8"潼关县",
    u8"大荔县",
    u8"合阳县",
    u8"澄城县",
    u8"蒲城县",
    u8"白水县",
    u8"富平县",
    u8"韩城市",
    u8"华阴市",
    u8"延安市",
    u8"市辖区",
    u8"宝塔区",
    u8"延长县",
    u8"延川县",
    u8"子长县",
    u8"安塞县",
    u8"志丹县",
    u8"吴起县",
    u8"甘泉县",
    u8"富县",
    u8"洛川县",
    u8"宜川县",
    u8"黄龙县",
    u8"黄陵县",
    u8"汉中市",
    u8"市辖区",
    u8"汉台区",
    u8"南郑县",
    u8"城固县",
    u8"洋县",
    u8"西乡县",
    u8"勉县",
    u8"宁强县",
    u8"略阳县",
    u8"镇巴县",
    u8"留坝县",
    u8"佛坪县",
    u8"榆林市",
    u8"市辖区",
    u8"榆阳区",
    u8"神木县",
    u8"府谷县",
    u8"横山县",
    u8"靖边县",
    u8"定边县",
    u8"绥德县",
    u8"米脂县",
    u8"佳县",
    u8"吴堡县",
    u8"清涧县",
    u8"子洲县",
    u8"安康市",
    u8"市辖区",
    u8"汉滨区",
    u8"汉阴县",
    u8"石泉县",
    u8"宁陕县",
    u8"紫阳县",
    u8"岚皋县",
    u8"平利县",
    u8"镇坪县",
    u8"旬阳县",
    u8"白河县",
    u8"商洛市",
    u8"市辖区",
    u8"商州区",
    u8"洛南县",
    u8"丹凤县",
    u8"商南县",
    u8"山阳县",
    u8"镇安县",
    u8"柞水县",
};
static_assert(recordCount(shaanxiNamesUtf8) == recordCount(shaanxiRecords));
static constexpr ProvinceTable shaanxiTable = {shaanxiRecords, recordCount(shaanxiRecords), shaanxiNamesUtf8};

// 62 甘肃省: 112 records, 14 city-level
static constexpr DivisionEntry gansuRecords[] = {
    {620100, "\xC0\xBC\xD6\xDD\xCA\xD0"},  // "兰州市"
    {620101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {620102, "\xB3\xC7\xB9\xD8\xC7\xF8"},  // "城关区"
    {620103, "\xC6\xDF\xC0\xEF\xBA\xD3\xC7\xF8"},  // "七里河区"
    {620104, "\xCE\xF7\xB9\xCC\xC7\xF8"},  // "西固区"
    {620105, "\xB0\xB2\xC4\xFE\xC7\xF8"},  // "安宁区"
    {620111, "\xBA\xEC\xB9\xC5\xC7\xF8"},  // "红古区"
    {620121, "\xD3\xC0\xB5\xC7\xCF\xD8"},  // "永登县"
    {620122, "\xB8\xDE\xC0\xBC\xCF\xD8"},  // "皋兰县"
    {620123, "\xD3\xDC\xD6\xD0\xCF\xD8"},  // "榆中县"
    {620200, "\xBC\xCE\xD3\xF8\xB9\xD8\xCA\xD0"},  // "嘉峪关市"
    {620201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {620300, "\xBD\xF0\xB2\xFD\xCA\xD0"},  // "金昌市"
    {620301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {620302, "\xBD\xF0\xB4\xA8\xC7\xF8"},  // "金川区"
    {620321, "\xD3\xC0\xB2\xFD\xCF\xD8"},  // "永昌县"
    {620400, "\xB0\xD7\xD2\xF8\xCA\xD0"},  // "白银市"
    {620401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {620402, "\xB0\xD7\xD2\xF8\xC7\xF8"},  // "白银区"
    {620403, "\xC6\xBD\xB4\xA8\xC7\xF8"},  // "平川区"
    {620421, "\xBE\xB8\xD4\xB6\xCF\xD8"},  // "靖远县"
    {620422, "\xBB\xE1\xC4\xFE\xCF\xD8"},  // "会宁县"
    {620423, "\xBE\xB0\xCC\xA9\xCF\xD8"},  // "景泰县"
    {620500, "\xCC\xEC\xCB\xAE\xCA\xD0"},  // "天水市"
    {620501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {620502, "\xC7\xD8\xD6\xDD\xC7\xF8"},  // "秦州区"
    {620503, "\xC2\xF3\xBB\xFD\xC7\xF8"},  // "麦积区"
    {620521, "\xC7\xE5\xCB\xAE\xCF\xD8"},  // "清水县"
    {620522, "\xC7\xD8\xB0\xB2\xCF\xD8"},  // "秦安县"
    {620523, "\xB8\xCA\xB9\xC8\xCF\xD8"},  // "甘谷县"
    {620524, "\xCE\xE4\xC9\xBD\xCF\xD8"},  // "武山县"
    {620525, "\xD5\xC5\xBC\xD2\xB4\xA8\xBB\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "张家川回族自治县"
    {620600, "\xCE\xE4\xCD\xFE\xCA\xD0"},  // "武威市"
    {620601, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {620602, "\xC1\xB9\xD6\xDD\xC7\xF8"},  // "凉州区"
    {620621, "\xC3\xF1\xC7\xDA\xCF\xD8"},  // "民勤县"
    {620622, "\xB9\xC5\xC0\xCB\xCF\xD8"},  // "古浪县"
    {620623, "\xCC\xEC\xD7\xA3\xB2\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "天祝藏族自治县"
    {620700, "\xD5\xC5\xD2\xB4\xCA\xD0"},  // "张掖市"
    {620701, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {620702, "\xB8\xCA\xD6\xDD\xC7\xF8"},  // "甘州区"
    {620721, "\xCB\xE0\xC4\xCF\xD4\xA3\xB9\xCC\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "肃南裕固族自治县"
    {620722, "\xC3\xF1\xC0\xD6\xCF\xD8"},  // "民乐县"
    {620723, "\xC1\xD9\xD4\xF3\xCF\xD8"},  // "临泽县"
    {620724, "\xB8\xDF\xCC\xA8\xCF\xD8"},  // "高台县"
    {620725, "\xC9\xBD\xB5\xA4\xCF\xD8"},  // "山丹县"
    {620800, "\xC6\xBD\xC1\xB9\xCA\xD0"},  // "平凉市"
    {620801, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {620802, "\xE1\xC7\xE1\xBC\xC7\xF8"},  // "崆峒区"
    {620821, "\xE3\xFE\xB4\xA8\xCF\xD8"},  // "泾川县"
    {620822, "\xC1\xE9\xCC\xA8\xCF\xD8"},  // "灵台县"
    {620823, "\xB3\xE7\xD0\xC5\xCF\xD8"},  // "崇信县"
    {620824, "\xBB\xAA\xCD\xA4\xCF\xD8"},  // "华亭县"
    {620825, "\xD7\xAF\xC0\xCB\xCF\xD8"},  // "庄浪县"
    {620826, "\xBE\xB2\xC4\xFE\xCF\xD8"},  // "静宁县"
    {620900, "\xBE\xC6\xC8\xAA\xCA\xD0"},  // "酒泉市"
    {620901, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {620902, "\xCB\xE0\xD6\xDD\xC7\xF8"},  // "肃州区"
    {620921, "\xBD\xF0\xCB\xFE\xCF\xD8"},  // "金塔县"
    {620922, "\xB9\xCF\xD6\xDD\xCF\xD8"},  // "瓜州县"
    {620923, "\xCB\xE0\xB1\xB1\xC3\xC9\xB9\xC5\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "肃北蒙古族自治县"
    {620924, "\xB0\xA2\xBF\xCB\xC8\xFB\xB9\xFE\xC8\xF8\xBF\xCB\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "阿克塞哈萨克族自治县"
    {620981, "\xD3\xF1\xC3\xC5\xCA\xD0"},  // "玉门市"
    {620982, "\xB6\xD8\xBB\xCD\xCA\xD0"},  // "敦煌市"
    {621000, "\xC7\xEC\xD1\xF4\xCA\xD0"},  // "庆阳市"
    {621001, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {621002, "\xCE\xF7\xB7\xE5\xC7\xF8"},  // "西峰区"
    {621021, "\xC7\xEC\xB3\xC7\xCF\xD8"},  // "庆城县"
    {621022, "\xBB\xB7\xCF\xD8"},  // "环县"
    {621023, "\xBB\xAA\xB3\xD8\xCF\xD8"},  // "华池县"
    {621024, "\xBA\xCF\xCB\xAE\xCF\xD8"},  // "合水县"
    {621025, "\xD5\xFD\xC4\xFE\xCF\xD8"},  // "正宁县"
    {621026, "\xC4\xFE\xCF\xD8"},  // "宁县"
    {621027, "\xD5\xF2\xD4\xAD\xCF\xD8"},  // "镇原县"
    {621100, "\xB6\xA8\xCE\xF7\xCA\xD0"},  // "定西市"
    {621101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {621102, "\xB0\xB2\xB6\xA8\xC7\xF8"},  // "安定区"
    {621121, "\xCD\xA8\xCE\xBC\xCF\xD8"},  // "通渭县"
    {621122, "\xC2\xA4\xCE\xF7\xCF\xD8"},  // "陇西县"
    {621123, "\xCE\xBC\xD4\xB4\xCF\xD8"},  // "渭源县"
    {621124, "\xC1\xD9\xE4\xAC\xCF\xD8"},  // "临洮县"
    {621125, "\xD5\xC4\xCF\xD8"},  // "漳县"
    {621126, "\xE1\xBA\xCF\xD8"},  // "岷县"
    {621200, "\xC2\xA4\xC4\xCF\xCA\xD0"},  // "陇南市"
    {621201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {621202, "\xCE\xE4\xB6\xBC\xC7\xF8"},  // "武都区"
    {621221, "\xB3\xC9\xCF\xD8"},  // "成县"
    {621222, "\xCE\xC4\xCF\xD8"},  // "文县"
    {621223, "\xE5\xB4\xB2\xFD\xCF\xD8"},  // "宕昌县"
    {621224, "\xBF\xB5\xCF\xD8"},  // "康县"
    {621225, "\xCE\xF7\xBA\xCD\xCF\xD8"},  // "西和县"
    {621226, "\xC0\xF1\xCF\xD8"},  // "礼县"
    {621227, "\xBB\xD5\xCF\xD8"},  // "徽县"
    {621228, "\xC1\xBD\xB5\xB1\xCF\xD8"},  // "两当县"
    {622900, "\xC1\xD9\xCF\xC4\xBB\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "临夏回族自治州"
    {622901, "\xC1\xD9\xCF\xC4\xCA\xD0"},  // "临夏市"
    {622921, "\xC1\xD9\xCF\xC4\xCF\xD8"},  // "临夏县"
    {622922, "\xBF\xB5\xC0\xD6\xCF\xD8"},  // "康乐县"
    {622923, "\xD3\xC0\xBE\xB8\xCF\xD8"},  // "永靖县"
    {622924, "\xB9\xE3\xBA\xD3\xCF\xD8"},  // "广河县"
    {622925, "\xBA\xCD\xD5\xFE\xCF\xD8"},  // "和政县"
    {622926, "\xB6\xAB\xCF\xE7\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "东乡族自治县"
    {622927, "\xBB\xFD\xCA\xAF\xC9\xBD\xB1\xA3\xB0\xB2\xD7\xE5\xB6\xAB\xCF\xE7\xD7\xE5\xC8\xF6\xC0\xAD\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "积石山保安族东乡族撒拉族自治县"
    {623000, "\xB8\xCA\xC4\xCF\xB2\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "甘南藏族自治州"
    {623001, "\xBA\xCF\xD7\xF7\xCA\xD0"},  // "合作市"
    {623021, "\xC1\xD9\xCC\xB6\xCF\xD8"},  // "临潭县"
    {623022, "\xD7\xBF\xC4\xE1\xCF\xD8"},  // "卓尼县"
    {623023, "\xD6\xDB\xC7\xFA\xCF\xD8"},  // "舟曲县"
    {623024, "\xB5\xFC\xB2\xBF\xCF\xD8"},  // "迭部县"
    {623025, "\xC2\xEA\xC7\xFA\xCF\xD8"},  // "玛曲县"
    {623026, "\xC2\xB5\xC7\xFA\xCF\xD8"},  // "碌曲县"
    {623027, "\xCF\xC4\xBA\xD3\xCF\xD8"},  // "夏河县"
};
static constexpr const char* const gansuNamesUtf8[] = {
    u8"兰州市",
    u8"市辖区",
    u8"城关区",
    u8"七里河区",
    u8"西固区",
    u8"安宁区",
    u8"红古区",
    u8"永登县",
    u8"皋兰县",
    u8"榆中县",
    u8"嘉峪关市",
    u8"市辖区",
    u8"金昌市",
    u8"市辖区",
    u8"金川区",
    u8"永昌县",
    u8"白银市",
    u8"市辖区",
    u8"白银区",
    u8"平川区",
    u8"靖远县",
    u8"会宁县",
    u8"景泰县",
    u8"天水市",
    u8"市辖区",
    u8"秦州区",
    u8"麦积区",
    u8"清水县",
    u8"秦安县",
    u8"甘谷县",
    u8"武山县",
    u8"张家川回族自治县",
    u8"武威市",
    u8"市辖区",
    u8"凉州区",
    u8"民勤县",
    u8"古浪县",
    u8"天祝藏族自治县",
    u8"张掖市",
    u8"市辖区",
    u8"甘州区",
    u8"肃南裕固族自治县",
    u8"民乐县",
    u8"临泽县",
    u8"高台县",
    u8"山丹县",
    u8"平凉市",
    u8"市辖区",
    u8"崆峒区",
    u8"泾川县",
    u8"灵台县",
    u8"崇信县",
    u8"华亭县",
    u8"庄浪县",
    u8"静宁县",
    u8"酒泉市",
    u8"市辖区",
    u8"肃州区",
    u8"金塔县",
    u8"瓜州县",
    u8"肃北蒙古族自治县",
    u8"阿克塞哈萨克族自治县",
    u8"玉门市",
    u8"敦煌市",
    u8"庆阳市",
    u8"市辖区",
    u8"西峰区",
    u8"庆城县",
    u8"环县",
    u8"华池县",
    u8"合水县",
    u8"正宁县",
    u8"宁县",
    u8"镇原县",
    u8"定西市",
    u8"市辖区",
    u8"安定区",
    u8"通渭县",
    u8"陇西县",
    u8"渭源县",
    u8"临洮县",
    u8"漳县",
    u8"岷县",
    u8"陇南市",
    u8"市辖区",
    u8"武都区",
    u8"成县",
    u8"文县",
    u8"宕昌县",
    u8"康县",
    u8"西和县",
    u8"礼县",
    u8"徽县",
    u8"两当县",
    u8"临夏回族自治州",
    u8"临夏市",
    u8"临夏县",
    u8"康乐县",
    u8"永靖县",
    u8"广河县",
    u8"和政县",
    u8"东乡族自治县",
    u8"积石山保安族东乡族撒拉族自治县",
    u8"甘南藏族自治州",
    u8"合作市",
    u8"临潭县",
    u8"卓尼县",
    u8"舟曲县",
    u8"迭部县",
    u8"玛曲县",
    u8"碌曲县",
    u8"夏河县",
};
static_assert(recordCount(gansuNamesUtf8) == recordCount(gansuRecords));
static constexpr ProvinceTable gansuTable = {gansuRecords, recordCount(gansuRecords), gansuNamesUtf8};

// 63 青海省: 52 records, 8 city-level
static constexpr DivisionEntry qinghaiRecords[] = {
    {630100, "\xCE\xF7\xC4\xFE\xCA\xD0"},  // "西宁市"
    {630101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {630102, "\xB3\xC7\xB6\xAB\xC7\xF8"},  // "城东区"
    {630103, "\xB3\xC7\xD6\xD0\xC7\xF8"},  // "城中区"
    {630104, "\xB3\xC7\xCE\xF7\xC7\xF8"},  // "城西区"
    {630105, "\xB3\xC7\xB1\xB1\xC7\xF8"},  // "城北区"
    {630121, "\xB4\xF3\xCD\xA8\xBB\xD8\xD7\xE5\xCD\xC1\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "大通回族土族自治县"
    {630122, "\xE4\xD2\xD6\xD0\xCF\xD8"},  // "湟中县"
    {630123, "\xE4\xD2\xD4\xB4\xCF\xD8"},  // "湟源县"
    {632100, "\xBA\xA3\xB6\xAB\xB5\xD8\xC7\xF8"},  // "海东地区"
    {632121, "\xC6\xBD\xB0\xB2\xCF\xD8"},  // "平安县"
    {632122, "\xC3\xF1\xBA\xCD\xBB\xD8\xD7\xE5\xCD\xC1\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "民和回族土族自治县"
    {632123, "\xC0\xD6\xB6\xBC\xCF\xD8"},  // "乐都县"
    {632126, "\xBB\xA5\xD6\xFA\xCD\xC1\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "互助土族自治县"
    {632127, "\xBB\xAF\xC2\xA1\xBB\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "化隆回族自治县"
    {632128, "\xD1\xAD\xBB\xAF\xC8\xF6\xC0\xAD\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "循化撒拉族自治县"
    {632200, "\xBA\xA3\xB1\xB1\xB2\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "海北藏族自治州"
    {632221, "\xC3\xC5\xD4\xB4\xBB\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "门源回族自治县"
    {632222, "\xC6\xEE\xC1\xAC\xCF\xD8"},  // "祁连县"
    {632223, "\xBA\xA3\xEA\xCC\xCF\xD8"},  // "海晏县"
    {632224, "\xB8\xD5\xB2\xEC\xCF\xD8"},  // "刚察县"
    {632300, "\xBB\xC6\xC4\xCF\xB2\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "黄南藏族自治州"
    {632321, "\xCD\xAC\xC8\xCA\xCF\xD8"},  // "同仁县"
    {632322, "\xBC\xE2\xD4\xFA\xCF\xD8"},  // "尖扎县"
    {632323, "\xD4\xF3\xBF\xE2\xCF\xD8"},  // "泽库县"
    {632324, "\xBA\xD3\xC4\xCF\xC3\xC9\xB9\xC5\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "河南蒙古族自治县"
    {632500, "\xBA\xA3\xC4\xCF\xB2\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "海南藏族自治州"
    {632521, "\xB9\xB2\xBA\xCD\xCF\xD8"},  // "共和县"
    {632522, "\xCD\xAC\xB5\xC2\xCF\xD8"},  // "同德县"
    {632523, "\xB9\xF3\xB5\xC2\xCF\xD8"},  // "贵德县"
    {632524, "\xD0\xCB\xBA\xA3\xCF\xD8"},  // "兴海县"
    {632525, "\xB9\xF3\xC4\xCF\xCF\xD8"},  // "贵南县"
    {632600, "\xB9\xFB\xC2\xE5\xB2\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "果洛藏族自治州"
    {632621, "\xC2\xEA\xC7\xDF\xCF\xD8"},  // "玛沁县"
    {632622, "\xB0\xE0\xC2\xEA\xCF\xD8"},  // "班玛县"
    {632623, "\xB8\xCA\xB5\xC2\xCF\xD8"},  // "甘德县"
    {632624, "\xB4\xEF\xC8\xD5\xCF\xD8"},  // "达日县"
    {632625, "\xBE\xC3\xD6\xCE\xCF\xD8"},  // "久治县"
    {632626, "\xC2\xEA\xB6\xE0\xCF\xD8"},  // "玛多县"
    {632700, "\xD3\xF1\xCA\xF7\xB2\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "玉树藏族自治州"
    {632721, "\xD3\xF1\xCA\xF7\xCF\xD8"},  // "玉树县"
    {632722, "\xD4\xD3\xB6\xE0\xCF\xD8"},  // "杂多县"
    {632723, "\xB3\xC6\xB6\xE0\xCF\xD8"},  // "称多县"
    {632724, "\xD6\xCE\xB6\xE0\xCF\xD8"},  // "治多县"
    {632725, "\xC4\xD2\xC7\xAB\xCF\xD8"},  // "囊谦县"
    {632726, "\xC7\xFA\xC2\xE9\xC0\xB3\xCF\xD8"},  // "曲麻莱县"
    {632800, "\xBA\xA3\xCE\xF7\xC3\xC9\xB9\xC5\xD7\xE5\xB2\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "海西蒙古族藏族自治州"
    {632801, "\xB8\xF1\xB6\xFB\xC4\xBE\xCA\xD0"},  // "格尔木市"
    {632802, "\xB5\xC2\xC1\xEE\xB9\xFE\xCA\xD0"},  // "德令哈市"
    {632821, "\xCE\xDA\xC0\xBC\xCF\xD8"},  // "乌兰县"
    {632822, "\xB6\xBC\xC0\xBC\xCF\xD8"},  // "都兰县"
    {632823, "\xCC\xEC\xBE\xFE\xCF\xD8"},  // "天峻县"
};
static constexpr const char* const qinghaiNamesUtf8[] = {
    u8"西宁市",
    u8"市辖区",
    u8"城东区",
    u8"城中区",
    u8"城西区",
    u8"城北区",
    u8"大通回族土族自治县",
    u8"湟中县",
    u8"湟源县",
    u8"海东地区",
    u8"平安县",
    u8"民和回族土族自治县",
    u8"乐都县",
    u8"互助土族自治县",
    u8"化隆回族自治县",
    u8"循化撒拉族自治县",
    u8"海北藏族自治州",
    u8"门源回族自治县",
    u8"祁连县",
    u8"海晏县",
    u8"刚察县",
    u8"黄南藏族自治州",
    u8"同仁县",
    u8"尖扎县",
    u8"泽库县",
    u8"河南蒙古族自治县",
    u8"海南藏族自治州",
    u8"共和县",
    u8"同德县",
    u8"贵德县",
    u8"兴海县",
    u8"贵南县",
    u8"果洛藏族自治州",
    u8"玛沁县",
    u8"班玛县",
    u8"甘德县",
    u8"达日县",
    u8"久治县",
    u8"玛多县",
    u8"玉树藏族自治州",
    u8"玉树县",
    u8"杂多县",
    u8"称多县",
    u8"治多县",
    u8"囊谦县",
    u8"曲麻莱县",
    u8"海西蒙古族藏族自治州",
    u8"格尔木市",
    u8"德令哈市",
    u8"乌兰县",
    u8"都兰县",
    u8"天峻县",
};
static_assert(recordCount(qinghaiNamesUtf8) == recordCount(qinghaiRecords));
static constexpr ProvinceTable qinghaiTable = {qinghaiRecords, recordCount(qinghaiRecords), qinghaiNamesUtf8};

// 64 宁夏回族自治区: 32 records, 5 city-level
static constexpr DivisionEntry ningxiaRecords[] = {
    {640100, "\xD2\xF8\xB4\xA8\xCA\xD0"},  // "银川市"
    {640101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {640104, "\xD0\xCB\xC7\xEC\xC7\xF8"},  // "兴庆区"
    {640105, "\xCE\xF7\xCF\xC4\xC7\xF8"},  // "西夏区"
    {640106, "\xBD\xF0\xB7\xEF\xC7\xF8"},  // "金凤区"
    {640121, "\xD3\xC0\xC4\xFE\xCF\xD8"},  // "永宁县"
    {640122, "\xBA\xD8\xC0\xBC\xCF\xD8"},  // "贺兰县"
    {640181, "\xC1\xE9\xCE\xE4\xCA\xD0"},  // "灵武市"
    {640200, "\xCA\xAF\xD7\xEC\xC9\xBD\xCA\xD0"},  // "石嘴山市"
    {640201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {640202, "\xB4\xF3\xCE\xE4\xBF\xDA\xC7\xF8"},  // "大武口区"
    {640205, "\xBB\xDD\xC5\xA9\xC7\xF8"},  // "惠农区"
    {640221, "\xC6\xBD\xC2\xDE\xCF\xD8"},  // "平罗县"
    {640300, "\xCE\xE2\xD6\xD2\xCA\xD0"},  // "吴忠市"
    {640301, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {640302, "\xC0\xFB\xCD\xA8\xC7\xF8"},  // "利通区"
    {640303, "\xBA\xEC\xCB\xC2\xB1\xA4\xC7\xF8 (*)"},  // "红寺堡区 (*)"
    {640323, "\xD1\xCE\xB3\xD8\xCF\xD8"},  // "盐池县"
    {640324, "\xCD\xAC\xD0\xC4\xCF\xD8"},  // "同心县"
    {640381, "\xC7\xE0\xCD\xAD\xCF\xBF\xCA\xD0"},  // "青铜峡市"
    {640400, "\xB9\xCC\xD4\xAD\xCA\xD0"},  // "固原市"
    {640401, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {640402, "\xD4\xAD\xD6\xDD\xC7\xF8"},  // "原州区"
    {640422, "\xCE\xF7\xBC\xAA\xCF\xD8"},  // "西吉县"
    {640423, "\xC2\xA1\xB5\xC2\xCF\xD8"},  // "隆德县"
    {640424, "\xE3\xFE\xD4\xB4\xCF\xD8"},  // "泾源县"
    {640425, "\xC5\xED\xD1\xF4\xCF\xD8"},  // "彭阳县"
    {640500, "\xD6\xD0\xCE\xC0\xCA\xD0"},  // "中卫市"
    {640501, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {640502, "\xC9\xB3\xC6\xC2\xCD\xB7\xC7\xF8"},  // "沙坡头区"
    {640521, "\xD6\xD0\xC4\xFE\xCF\xD8"},  // "中宁县"
    {640522, "\xBA\xA3\xD4\xAD\xCF\xD8"},  // "海原县"
};
static constexpr const char* const ningxiaNamesUtf8[] = {
    u8"银川市",
    u8"市辖区",
    u8"兴庆区",
    u8"西夏区",
    u8"金凤区",
    u8"永宁县",
    u8"贺兰县",
    u8"灵武市",
    u8"石嘴山市",
    u8"市辖区",
    u8"大武口区",
    u8"惠农区",
    u8"平罗县",
    u8"吴忠市",
    u8"市辖区",
    u8"利通区",
    u8"红寺堡区 (*)",
    u8"盐池县",
    u8"同心县",
    u8"青铜峡市",
    u8"固原市",
    u8"市辖区",
    u8"原州区",
    u8"西吉县",
    u8"隆德县",
    u8"泾源县",
    u8"彭阳县",
    u8"中卫市",
    u8"市辖区",
    u8"沙坡头区",
    u8"中宁县",
    u8"海原县",
};
static_assert(recordCount(ningxiaNamesUtf8) == recordCount(ningxiaRecords));
static constexpr ProvinceTable ningxiaTable = {ningxiaRecords, recordCount(ningxiaRecords), ningxiaNamesUtf8};

// 65 新疆维吾尔自治区: 115 records, 15 city-level
static constexpr DivisionEntry xinjiangRecords[] = {
    {650100, "\xCE\xDA\xC2\xB3\xC4\xBE\xC6\xEB\xCA\xD0"},  // "乌鲁木齐市"
    {650101, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {650102, "\xCC\xEC\xC9\xBD\xC7\xF8"},  // "天山区"
    {650103, "\xC9\xB3\xD2\xC0\xB0\xCD\xBF\xCB\xC7\xF8"},  // "沙依巴克区"
    {650104, "\xD0\xC2\xCA\xD0\xC7\xF8"},  // "新市区"
    {650105, "\xCB\xAE\xC4\xA5\xB9\xB5\xC7\xF8"},  // "水磨沟区"
    {650106, "\xCD\xB7\xCD\xCD\xBA\xD3\xC7\xF8"},  // "头屯河区"
    {650107, "\xB4\xEF\xDB\xE0\xB3\xC7\xC7\xF8"},  // "达坂城区"
    {650109, "\xC3\xD7\xB6\xAB\xC7\xF8"},  // "米东区"
    {650121, "\xCE\xDA\xC2\xB3\xC4\xBE\xC6\xEB\xCF\xD8"},  // "乌鲁木齐县"
    {650200, "\xBF\xCB\xC0\xAD\xC2\xEA\xD2\xC0\xCA\xD0"},  // "克拉玛依市"
    {650201, "\xCA\xD0\xCF\xBD\xC7\xF8"},  // "市辖区"
    {650202, "\xB6\xC0\xC9\xBD\xD7\xD3\xC7\xF8"},  // "独山子区"
    {650203, "\xBF\xCB\xC0\xAD\xC2\xEA\xD2\xC0\xC7\xF8"},  // "克拉玛依区"
    {650204, "\xB0\xD7\xBC\xEE\xCC\xB2\xC7\xF8"},  // "白碱滩区"
    {650205, "\xCE\xDA\xB6\xFB\xBA\xCC\xC7\xF8"},  // "乌尔禾区"
    {652100, "\xCD\xC2\xC2\xB3\xB7\xAC\xB5\xD8\xC7\xF8"},  // "吐鲁番地区"
    {652101, "\xCD\xC2\xC2\xB3\xB7\xAC\xCA\xD0"},  // "吐鲁番市"
    {652122, "\xDB\xB7\xC9\xC6\xCF\xD8"},  // "鄯善县"
    {652123, "\xCD\xD0\xBF\xCB\xD1\xB7\xCF\xD8"},  // "托克逊县"
    {652200, "\xB9\xFE\xC3\xDC\xB5\xD8\xC7\xF8"},  // "哈密地区"
    {652201, "\xB9\xFE\xC3\xDC\xCA\xD0"},  // "哈密市"
    {652222, "\xB0\xCD\xC0\xEF\xC0\xA4\xB9\xFE\xC8\xF8\xBF\xCB\xD7\xD4\xD6\xCE\xCF\xD8"},  // "巴里坤哈萨克自治县"
    {652223, "\xD2\xC1\xCE\xE1\xCF\xD8"},  // "伊吾县"
    {652300, "\xB2\xFD\xBC\xAA\xBB\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "昌吉回族自治州"
    {652301, "\xB2\xFD\xBC\xAA\xCA\xD0"},  // "昌吉市"
    {652302, "\xB8\xB7\xBF\xB5\xCA\xD0"},  // "阜康市"
    {652323, "\xBA\xF4\xCD\xBC\xB1\xDA\xCF\xD8"},  // "呼图壁县"
    {652324, "\xC2\xEA\xC4\xC9\xCB\xB9\xCF\xD8"},  // "玛纳斯县"
    {652325, "\xC6\xE6\xCC\xA8\xCF\xD8"},  // "奇台县"
    {652327, "\xBC\xAA\xC4\xBE\xC8\xF8\xB6\xFB\xCF\xD8"},  // "吉木萨尔县"
    {652328, "\xC4\xBE\xC0\xDD\xB9\xFE\xC8\xF8\xBF\xCB\xD7\xD4\xD6\xCE\xCF\xD8"},  // "木垒哈萨克自治县"
    {652700, "\xB2\xA9\xB6\xFB\xCB\xFE\xC0\xAD\xC3\xC9\xB9\xC5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "博尔塔拉蒙古自治州"
    {652701, "\xB2\xA9\xC0\xD6\xCA\xD0"},  // "博乐市"
    {652722, "\xBE\xAB\xBA\xD3\xCF\xD8"},  // "精河县"
    {652723, "\xCE\xC2\xC8\xAA\xCF\xD8"},  // "温泉县"
    {652800, "\xB0\xCD\xD2\xF4\xB9\xF9\xC0\xE3\xC3\xC9\xB9\xC5\xD7\xD4\xD6\xCE\xD6\xDD"},  // "巴音郭楞蒙古自治州"
    {652801, "\xBF\xE2\xB6\xFB\xC0\xD5\xCA\xD0"},  // "库尔勒市"
    {652822, "\xC2\xD6\xCC\xA8\xCF\xD8"},  // "轮台县"
    {652823, "\xCE\xBE\xC0\xE7\xCF\xD8"},  // "尉犁县"
    {652824, "\xC8\xF4\xC7\xBC\xCF\xD8"},  // "若羌县"
    {652825, "\xC7\xD2\xC4\xA9\xCF\xD8"},  // "且末县"
    {652826, "\xD1\xC9\xEA\xC8\xBB\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "焉耆回族自治县"
    {652827, "\xBA\xCD\xBE\xB2\xCF\xD8"},  // "和静县"
    {652828, "\xBA\xCD\xCB\xB6\xCF\xD8"},  // "和硕县"
    {652829, "\xB2\xA9\xBA\xFE\xCF\xD8"},  // "博湖县"
    {652900, "\xB0\xA2\xBF\xCB\xCB\xD5\xB5\xD8\xC7\xF8"},  // "阿克苏地区"
    {652901, "\xB0\xA2\xBF\xCB\xCB\xD5\xCA\xD0"},  // "阿克苏市"
    {652922, "\xCE\xC2\xCB\xDE\xCF\xD8"},  // "温宿县"
    {652923, "\xBF\xE2\xB3\xB5\xCF\xD8"},  // "库车县"
    {652924, "\xC9\xB3\xD1\xC5\xCF\xD8"},  // "沙雅县"
    {652925, "\xD0\xC2\xBA\xCD\xCF\xD8"},  // "新和县"
    {652926, "\xB0\xDD\xB3\xC7\xCF\xD8"},  // "拜城县"
    {652927, "\xCE\xDA\xCA\xB2\xCF\xD8"},  // "乌什县"
    {652928, "\xB0\xA2\xCD\xDF\xCC\xE1\xCF\xD8"},  // "阿瓦提县"
    {652929, "\xBF\xC2\xC6\xBA\xCF\xD8"},  // "柯坪县"
    {653000, "\xBF\xCB\xD7\xCE\xC0\xD5\xCB\xD5\xBF\xC2\xB6\xFB\xBF\xCB\xD7\xCE\xD7\xD4\xD6\xCE\xD6\xDD"},  // "克孜勒苏柯尔克孜自治州"
    {653001, "\xB0\xA2\xCD\xBC\xCA\xB2\xCA\xD0"},  // "阿图什市"
    {653022, "\xB0\xA2\xBF\xCB\xCC\xD5\xCF\xD8"},  // "阿克陶县"
    {653023, "\xB0\xA2\xBA\xCF\xC6\xE6\xCF\xD8"},  // "阿合奇县"
    {653024, "\xCE\xDA\xC7\xA1\xCF\xD8"},  // "乌恰县"
    {653100, "\xBF\xA6\xCA\xB2\xB5\xD8\xC7\xF8"},  // "喀什地区"
    {653101, "\xBF\xA6\xCA\xB2\xCA\xD0"},  // "喀什市"
    {653121, "\xCA\xE8\xB8\xBD\xCF\xD8"},  // "疏附县"
    {653122, "\xCA\xE8\xC0\xD5\xCF\xD8"},  // "疏勒县"
    {653123, "\xD3\xA2\xBC\xAA\xC9\xB3\xCF\xD8"},  // "英吉沙县"
    {653124, "\xD4\xF3\xC6\xD5\xCF\xD8"},  // "泽普县"
    {653125, "\xC9\xAF\xB3\xB5\xCF\xD8"},  // "莎车县"
    {653126, "\xD2\xB6\xB3\xC7\xCF\xD8"},  // "叶城县"
    {653127, "\xC2\xF3\xB8\xC7\xCC\xE1\xCF\xD8"},  // "麦盖提县"
    {653128, "\xD4\xC0\xC6\xD5\xBA\xFE\xCF\xD8"},  // "岳普湖县"
    {653129, "\xD9\xA4\xCA\xA6\xCF\xD8"},  // "伽师县"
    {653130, "\xB0\xCD\xB3\xFE\xCF\xD8"},  // "巴楚县"
    {653131, "\xCB\xFE\xCA\xB2\xBF\xE2\xB6\xFB\xB8\xC9\xCB\xFE\xBC\xAA\xBF\xCB\xD7\xD4\xD6\xCE\xCF\xD8"},  // "塔什库尔干塔吉克自治县"
    {653200, "\xBA\xCD\xCC\xEF\xB5\xD8\xC7\xF8"},  // "和田地区"
    {653201, "\xBA\xCD\xCC\xEF\xCA\xD0"},  // "和田市"
    {653221, "\xBA\xCD\xCC\xEF\xCF\xD8"},  // "和田县"
    {653222, "\xC4\xAB\xD3\xF1\xCF\xD8"},  // "墨玉县"
    {653223, "\xC6\xA4\xC9\xBD\xCF\xD8"},  // "皮山县"
    {653224, "\xC2\xE5\xC6\xD6\xCF\xD8"},  // "洛浦县"
    {653225, "\xB2\xDF\xC0\xD5\xCF\xD8"},  // "策勒县"
    {653226, "\xD3\xDA\xCC\xEF\xCF\xD8"},  // "于田县"
    {653227, "\xC3\xF1\xB7\xE1\xCF\xD8"},  // "民丰县"
    {654000, "\xD2\xC1\xC0\xE7\xB9\xFE\xC8\xF8\xBF\xCB\xD7\xD4\xD6\xCE\xD6\xDD"},  // "伊犁哈萨克自治州"
    {654002, "\xD2\xC1\xC4\xFE\xCA\xD0"},  // "伊宁市"
    {654003, "\xBF\xFC\xCD\xCD\xCA\xD0"},  // "奎屯市"
    {654021, "\xD2\xC1\xC4\xFE\xCF\xD8"},  // "伊宁县"
    {654022, "\xB2\xEC\xB2\xBC\xB2\xE9\xB6\xFB\xCE\xFD\xB2\xAE\xD7\xD4\xD6\xCE\xCF\xD8"},  // "察布查尔锡伯自治县"
    {654023, "\xBB\xF4\xB3\xC7\xCF\xD8"},  // "霍城县"
    {654024, "\xB9\xAE\xC1\xF4\xCF\xD8"},  // "巩留县"
    {654025, "\xD0\xC2\xD4\xB4\xCF\xD8"},  // "新源县"
    {654026, "\xD5\xD1\xCB\xD5\xCF\xD8"},  // "昭苏县"
    {654027, "\xCC\xD8\xBF\xCB\xCB\xB9\xCF\xD8"},  // "特克斯县"
    {654028, "\xC4\xE1\xC0\xD5\xBF\xCB\xCF\xD8"},  // "尼勒克县"
    {654200, "\xCB\xFE\xB3\xC7\xB5\xD8\xC7\xF8"},  // "塔城地区"
    {654201, "\xCB\xFE\xB3\xC7\xCA\xD0"},  // "塔城市"
    {654202, "\xCE\xDA\xCB\xD5\xCA\xD0"},  // "乌苏市"
    {654221, "\xB6\xEE\xC3\xF4\xCF\xD8"},  // "额敏县"
    {654223, "\xC9\xB3\xCD\xE5\xCF\xD8"},  // "沙湾县"
    {654224, "\xCD\xD0\xC0\xEF\xCF\xD8"},  // "托里县"
    {654225, "\xD4\xA3\xC3\xF1\xCF\xD8"},  // "裕民县"
    {654226, "\xBA\xCD\xB2\xBC\xBF\xCB\xC8\xFC\xB6\xFB\xC3\xC9\xB9\xC5\xD7\xD4\xD6\xCE\xCF\xD8"},  // "和布克赛尔蒙古自治县"
    {654300, "\xB0\xA2\xC0\xD5\xCC\xA9\xB5\xD8\xC7\xF8"},  // "阿勒泰地区"
    {654301, "\xB0\xA2\xC0\xD5\xCC\xA9\xCA\xD0"},  // "阿勒泰市"
    {654321, "\xB2\xBC\xB6\xFB\xBD\xF2\xCF\xD8"},  // "布尔津县"
    {654322, "\xB8\xBB\xD4\xCC\xCF\xD8"},  // "富蕴县"
    {654323, "\xB8\xA3\xBA\xA3\xCF\xD8"},  // "福海县"
    {654324, "\xB9\xFE\xB0\xCD\xBA\xD3\xCF\xD8"},  // "哈巴河县"
    {654325, "\xC7\xE0\xBA\xD3\xCF\xD8"},  // "青河县"
    {654326, "\xBC\xAA\xC4\xBE\xC4\xCB\xCF\xD8"},  // "吉木乃县"
    {659000, "\xD7\xD4\xD6\xCE\xC7\xF8\xD6\xB1\xCF\xBD\xCF\xD8\xBC\xB6\xD0\xD0\xD5\xFE\xC7\xF8\xBB\xAE"},  // "自治区直辖县级行政区划"
    {659001, "\xCA\xAF\xBA\xD3\xD7\xD3\xCA\xD0"},  // "石河子市"
    {659002, "\xB0\xA2\xC0\xAD\xB6\xFB\xCA\xD0"},  // "阿拉尔市"
    {659003, "\xCD\xBC\xC4\xBE\xCA\xE6\xBF\xCB\xCA\xD0"},  // "图木舒克市"
    {659004, "\xCE\xE5\xBC\xD2\xC7\xFE\xCA\xD0"},  // "五家渠市"
};
static constexpr const char* const xinjiangNamesUtf8[] = {
    u8"乌鲁木齐市",
    u8"市辖区",
    u8"天山区",
    u8"沙依巴克区",
    u8"新市区",
    u8"水磨沟区",
    u8"头屯河区",
    u8"达坂城区",
    u8"米东区",
    u8"乌鲁木齐县",
    u8"克拉玛依市",
    u8"市辖区",
    u8"独山子区",
    u8"克拉玛依区",
    u8"白碱滩区",
    u8"乌尔禾区",
    u8"吐鲁番地区",
    u8"吐鲁番市",
    u8"鄯善县",
    u8"托克逊县",
    u8"哈密地区",
    u8"哈密市",
    u8"巴里坤哈萨克自治县",
    u8"伊吾县",
    u8"昌吉回族自治州",
    u8"昌吉市",
    u8"阜康市",
    u8"呼图壁县",
    u8"玛纳斯县",
    u8"奇台县",
    u8"吉木萨尔县",
    u8"木垒哈萨克自治县",
    u8"博尔塔拉蒙古自治州",
    u8"博乐市",
    u8"精河县",
    u8"温泉县",
    u8"巴音郭楞蒙古自治州",
    u8"库尔勒市",
    u8"轮台县",
    u8"尉犁县",
    u8"若羌县",
    u8"且末县",
    u8"焉耆回族自治县",
    u8"和静县",
    u8"和硕县",
    u8"博湖县",
    u8"阿克苏地区",
    u8"阿克苏市",
    u8"温宿县",
    u8"库车县",
    u8"沙雅县",
    u8"新和县",
    u8"拜城县",
    u8"乌什县",
    u8"阿瓦提县",
    u8"柯坪县",
    u8"克孜勒苏柯尔克孜自治州",
    u8"阿图什市",
    u8"阿克陶县",
    u8"阿合奇县",
    u8"乌恰县",
    u8"喀什地区",
    u8"喀什市",
    u8"疏附县",
    u8"疏勒县",
    u8"英吉沙县",
    u8"泽普县",
    u8"莎车县",
    u8"叶城县",
    u8"麦盖提县",
    u8"岳普湖县",
    u8"伽师县",
    u8"巴楚县",
    u8"塔什库尔干塔吉克自治县",
    u8"和田地区",
    u8"和田市",
    u8"和田县",
    u8"墨玉县",
    u8"皮山县",
    u8"洛浦县",
    u8"策勒县",
    u8"于田县",
    u8"民丰县",
    u8"伊犁哈萨克自治州",
    u8"伊宁市",
    u8"奎屯市",
    u8"伊宁县",
    u8"察布查尔锡伯自治县",
    u8"霍城县",
    u8"巩留县",
    u8"新源县",
    u8"昭苏县",
    u8"特克斯县",
    u8"尼勒克县",
    u8"塔城地区",
    u8"塔城市",
    u8"乌苏市",
    u8"额敏县",
    u8"沙湾县",
    u8"托里县",
    u8"裕民县",
    u8"和布克赛尔蒙古自治县",
    u8"阿勒泰地区",
    u8"阿勒泰市",
    u8"布尔津县",
    u8"富蕴县",
    u8"福海县",
    u8"哈巴河县",
    u8"青河县",
    u8"吉木乃县",
    u8"自治区直辖县级行政区划",
    u8"石河子市",
    u8"阿拉尔市",
    u8"图木舒克市",
    u8"五家渠市",
};
static_assert(recordCount(xinjiangNamesUtf8) == recordCount(xinjiangRecords));
static constexpr ProvinceTable xinjiangTable = {xinjiangRecords, recordCount(xinjiangRecords), xinjiangNamesUtf8};

// The 31 units in ascending unit code. pickerIndex is the position in the
// municipality list (kind municipality) or the province list (kind province).
constexpr ProvinceUnit provinceUnits[unitCount] = {
    // 11 "北京", "北京市"
    {11, "\xB1\xB1\xBE\xA9", "\xB1\xB1\xBE\xA9\xCA\xD0",
     UnitKind::municipality, &beijingTable, nullptr, 0,
     {"\xB1\xB1\xBE\xA9", u8"北京"},
     {"\xB1\xB1\xBE\xA9\xCA\xD0", u8"北京市"}},
    // 12 "天津", "天津市"
    {12, "\xCC\xEC\xBD\xF2", "\xCC\xEC\xBD\xF2\xCA\xD0",
     UnitKind::municipality, &tianjinTable, nullptr, 1,
     {"\xCC\xEC\xBD\xF2", u8"天津"},
     {"\xCC\xEC\xBD\xF2\xCA\xD0", u8"天津市"}},
    // 13 "河北省", "河北省"
    {13, "\xBA\xD3\xB1\xB1\xCA\xA1", "\xBA\xD3\xB1\xB1\xCA\xA1",
     UnitKind::province, nullptr, &hebeiTable, 0,
     {"\xBA\xD3\xB1\xB1\xCA\xA1", u8"河北省"},
     {"\xBA\xD3\xB1\xB1\xCA\xA1", u8"河北省"}},
    // 14 "山西省", "山西省"
    {14, "\xC9\xBD\xCE\xF7\xCA\xA1", "\xC9\xBD\xCE\xF7\xCA\xA1",
     UnitKind::province, nullptr, &shanxiTable, 1,
     {"\xC9\xBD\xCE\xF7\xCA\xA1", u8"山西省"},
     {"\xC9\xBD\xCE\xF7\xCA\xA1", u8"山西省"}},
    // 15 "内蒙古自治区", "内蒙古自治区"
    {15, "\xC4\xDA\xC3\xC9\xB9\xC5\xD7\xD4\xD6\xCE\xC7\xF8", "\xC4\xDA\xC3\xC9\xB9\xC5\xD7\xD4\xD6\xCE\xC7\xF8",
     UnitKind::province, nullptr, &innerMongoliaTable, 2,
     {"\xC4\xDA\xC3\xC9\xB9\xC5\xD7\xD4\xD6\xCE\xC7\xF8", u8"内蒙古自治区"},
     {"\xC4\xDA\xC3\xC9\xB9\xC5\xD7\xD4\xD6\xCE\xC7\xF8", u8"内蒙古自治区"}},
    // 21 "辽宁省", "辽宁省"
    {21, "\xC1\xC9\xC4\xFE\xCA\xA1", "\xC1\xC9\xC4\xFE\xCA\xA1",
     UnitKind::province, nullptr, &liaoningTable, 3,
     {"\xC1\xC9\xC4\xFE\xCA\xA1", u8"辽宁省"},
     {"\xC1\xC9\xC4\xFE\xCA\xA1", u8"辽宁省"}},
    // 22 "吉林省", "吉林省"
    {22, "\xBC\xAA\xC1\xD6\xCA\xA1", "\xBC\xAA\xC1\xD6\xCA\xA1",
     UnitKind::province, nullptr, &jilinTable, 4,
     {"\xBC\xAA\xC1\xD6\xCA\xA1", u8"吉林省"},
     {"\xBC\xAA\xC1\xD6\xCA\xA1", u8"吉林省"}},
    // 23 "黑龙江省", "黑龙江省"
    {23, "\xBA\xDA\xC1\xFA\xBD\xAD\xCA\xA1", "\xBA\xDA\xC1\xFA\xBD\xAD\xCA\xA1",
     UnitKind::province, nullptr, &heilongjiangTable, 5,
     {"\xBA\xDA\xC1\xFA\xBD\xAD\xCA\xA1", u8"黑龙江省"},
     {"\xBA\xDA\xC1\xFA\xBD\xAD\xCA\xA1", u8"黑龙江省"}},
    // 31 "上海", "上海市"
    {31, "\xC9\xCF\xBA\xA3", "\xC9\xCF\xBA\xA3\xCA\xD0",
     UnitKind::municipality, &shanghaiTable, nullptr, 2,
     {"\xC9\xCF\xBA\xA3", u8"上海"},
     {"\xC9\xCF\xBA\xA3\xCA\xD0", u8"上海市"}},
    // 32 "江苏省", "江苏省"
    {32, "\xBD\xAD\xCB\xD5\xCA\xA1", "\xBD\xAD\xCB\xD5\xCA\xA1",
     UnitKind::province, nullptr, &jiangsuTable, 6,
     {"\xBD\xAD\xCB\xD5\xCA\xA1", u8"江苏省"},
     {"\xBD\xAD\xCB\xD5\xCA\xA1", u8"江苏省"}},
    // 33 "浙江省", "浙江省"
    {33, "\xD5\xE3\xBD\xAD\xCA\xA1", "\xD5\xE3\xBD\xAD\xCA\xA1",
     UnitKind::province, nullptr, &zhejiangTable, 7,
     {"\xD5\xE3\xBD\xAD\xCA\xA1", u8"浙江省"},
     {"\xD5\xE3\xBD\xAD\xCA\xA1", u8"浙江省"}},
    // 34 "安徽省", "安徽省"
    {34, "\xB0\xB2\xBB\xD5\xCA\xA1", "\xB0\xB2\xBB\xD5\xCA\xA1",
     UnitKind::province, nullptr, &anhuiTable, 8,
     {"\xB0\xB2\xBB\xD5\xCA\xA1", u8"安徽省"},
     {"\xB0\xB2\xBB\xD5\xCA\xA1", u8"安徽省"}},
    // 35 "福建省", "福建省"
    {35, "\xB8\xA3\xBD\xA8\xCA\xA1", "\xB8\xA3\xBD\xA8\xCA\xA1",
     UnitKind::province, nullptr, &fujianTable, 9,
     {"\xB8\xA3\xBD\xA8\xCA\xA1", u8"福建省"},
     {"\xB8\xA3\xBD\xA8\xCA\xA1", u8"福建省"}},
    // 36 "江西省", "江西省"
    {36, "\xBD\xAD\xCE\xF7\xCA\xA1", "\xBD\xAD\xCE\xF7\xCA\xA1",
     UnitKind::province, nullptr, &jiangxiTable, 10,
     {"\xBD\xAD\xCE\xF7\xCA\xA1", u8"江西省"},
     {"\xBD\xAD\xCE\xF7\xCA\xA1", u8"江西省"}},
    // 37 "山东省", "山东省"
    {37, "\xC9\xBD\xB6\xAB\xCA\xA1", "\xC9\xBD\xB6\xAB\xCA\xA1",
     UnitKind::province, nullptr, &shandongTable, 11,
     {"\xC9\xBD\xB6\xAB\xCA\xA1", u8"山东省"},
     {"\xC9\xBD\xB6\xAB\xCA\xA1", u8"山东省"}},
    // 41 "河南省", "河南省"
    {41, "\xBA\xD3\xC4\xCF\xCA\xA1", "\xBA\xD3\xC4\xCF\xCA\xA1",
     UnitKind::province, nullptr, &henanTable, 12,
     {"\xBA\xD3\xC4\xCF\xCA\xA1", u8"河南省"},
     {"\xBA\xD3\xC4\xCF\xCA\xA1", u8"河南省"}},
    // 42 "湖北省", "湖北省"
    {42, "\xBA\xFE\xB1\xB1\xCA\xA1", "\xBA\xFE\xB1\xB1\xCA\xA1",
     UnitKind::province, nullptr, &hubeiTable, 13,
     {"\xBA\xFE\xB1\xB1\xCA\xA1", u8"湖北省"},
     {"\xBA\xFE\xB1\xB1\xCA\xA1", u8"湖北省"}},
    // 43 "湖南省", "湖南省"
    {43, "\xBA\xFE\xC4\xCF\xCA\xA1", "\xBA\xFE\xC4\xCF\xCA\xA1",
     UnitKind::province, nullptr, &hunanTable, 14,
     {"\xBA\xFE\xC4\xCF\xCA\xA1", u8"湖南省"},
     {"\xBA\xFE\xC4\xCF\xCA\xA1", u8"湖南省"}},
    // 44 "广东省", "广东省"
    {44, "\xB9\xE3\xB6\xAB\xCA\xA1", "\xB9\xE3\xB6\xAB\xCA\xA1",
     UnitKind::province, nullptr, &guangdongTable, 15,
     {"\xB9\xE3\xB6\xAB\xCA\xA1", u8"广东省"},
     {"\xB9\xE3\xB6\xAB\xCA\xA1", u8"广东省"}},
    // 45 "广西壮族自治区", "广西壮族自治区"
    {45, "\xB9\xE3\xCE\xF7\xD7\xB3\xD7\xE5\xD7\xD4\xD6\xCE\xC7\xF8", "\xB9\xE3\xCE\xF7\xD7\xB3\xD7\xE5\xD7\xD4\xD6\xCE\xC7\xF8",
     UnitKind::province, nullptr, &guangxiTable, 16,
     {"\xB9\xE3\xCE\xF7\xD7\xB3\xD7\xE5\xD7\xD4\xD6\xCE\xC7\xF8", u8"广西壮族自治区"},
     {"\xB9\xE3\xCE\xF7\xD7\xB3\xD7\xE5\xD7\xD4\xD6\xCE\xC7\xF8", u8"广西壮族自治区"}},
    // 46 "海南省", "海南省"
    {46, "\xBA\xA3\xC4\xCF\xCA\xA1", "\xBA\xA3\xC4\xCF\xCA\xA1",
     UnitKind::province, nullptr, &hainanTable, 17,
     {"\xBA\xA3\xC4\xCF\xCA\xA1", u8"海南省"},
     {"\xBA\xA3\xC4\xCF\xCA\xA1", u8"海南省"}},
    // 50 "重庆", "重庆市"
    {50, "\xD6\xD8\xC7\xEC", "\xD6\xD8\xC7\xEC\xCA\xD0",
     UnitKind::municipality, &chongqingTable, nullptr, 3,
     {"\xD6\xD8\xC7\xEC", u8"重庆"},
     {"\xD6\xD8\xC7\xEC\xCA\xD0", u8"重庆市"}},
    // 51 "四川省", "四川省"
    {51, "\xCB\xC4\xB4\xA8\xCA\xA1", "\xCB\xC4\xB4\xA8\xCA\xA1",
     UnitKind::province, nullptr, &sichuanTable, 18,
     {"\xCB\xC4\xB4\xA8\xCA\xA1", u8"四川省"},
     {"\xCB\xC4\xB4\xA8\xCA\xA1", u8"四川省"}},
    // 52 "贵州省", "贵州省"
    {52, "\xB9\xF3\xD6\xDD\xCA\xA1", "\xB9\xF3\xD6\xDD\xCA\xA1",
     UnitKind::province, nullptr, &guizhouTable, 19,
     {"\xB9\xF3\xD6\xDD\xCA\xA1", u8"贵州省"},
     {"\xB9\xF3\xD6\xDD\xCA\xA1", u8"贵州省"}},
    // 53 "云南省", "云南省"
    {53, "\xD4\xC6\xC4\xCF\xCA\xA1", "\xD4\xC6\xC4\xCF\xCA\xA1",
     UnitKind::province, nullptr, &yunnanTable, 20,
     {"\xD4\xC6\xC4\xCF\xCA\xA1", u8"云南省"},
     {"\xD4\xC6\xC4\xCF\xCA\xA1", u8"云南省"}},
    // 54 "西藏自治区", "西藏自治区"
    {54, "\xCE\xF7\xB2\xD8\xD7\xD4\xD6\xCE\xC7\xF8", "\xCE\xF7\xB2\xD8\xD7\xD4\xD6\xCE\xC7\xF8",
     UnitKind::province, nullptr, &tibetTable, 21,
     {"\xCE\xF7\xB2\xD8\xD7\xD4\xD6\xCE\xC7\xF8", u8"西藏自治区"},
     {"\xCE\xF7\xB2\xD8\xD7\xD4\xD6\xCE\xC7\xF8", u8"西藏自治区"}},
    // 61 "陕西省", "陕西省"
    {61, "\xC9\xC2\xCE\xF7\xCA\xA1", "\xC9\xC2\xCE\xF7\xCA\xA1",
     UnitKind::province, nullptr, &shaanxiTable, 22,
     {"\xC9\xC2\xCE\xF7\xCA\xA1", u8"陕西省"},
     {"\xC9\xC2\xCE\xF7\xCA\xA1", u8"陕西省"}},
    // 62 "甘肃省", "甘肃省"
    {62, "\xB8\xCA\xCB\xE0\xCA\xA1", "\xB8\xCA\xCB\xE0\xCA\xA1",
     UnitKind::province, nullptr, &gansuTable, 23,
     {"\xB8\xCA\xCB\xE0\xCA\xA1", u8"甘肃省"},
     {"\xB8\xCA\xCB\xE0\xCA\xA1", u8"甘肃省"}},
    // 63 "青海省", "青海省"
    {63, "\xC7\xE0\xBA\xA3\xCA\xA1", "\xC7\xE0\xBA\xA3\xCA\xA1",
     UnitKind::province, nullptr, &qinghaiTable, 24,
     {"\xC7\xE0\xBA\xA3\xCA\xA1", u8"青海省"},
     {"\xC7\xE0\xBA\xA3\xCA\xA1", u8"青海省"}},
    // 64 "宁夏回族自治区", "宁夏回族自治区"
    {64, "\xC4\xFE\xCF\xC4\xBB\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xC7\xF8", "\xC4\xFE\xCF\xC4\xBB\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xC7\xF8",
     UnitKind::province, nullptr, &ningxiaTable, 25,
     {"\xC4\xFE\xCF\xC4\xBB\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xC7\xF8", u8"宁夏回族自治区"},
     {"\xC4\xFE\xCF\xC4\xBB\xD8\xD7\xE5\xD7\xD4\xD6\xCE\xC7\xF8", u8"宁夏回族自治区"}},
    // 65 "新疆维吾尔自治区", "新疆维吾尔自治区"
    {65, "\xD0\xC2\xBD\xAE\xCE\xAC\xCE\xE1\xB6\xFB\xD7\xD4\xD6\xCE\xC7\xF8", "\xD0\xC2\xBD\xAE\xCE\xAC\xCE\xE1\xB6\xFB\xD7\xD4\xD6\xCE\xC7\xF8",
     UnitKind::province, nullptr, &xinjiangTable, 26,
     {"\xD0\xC2\xBD\xAE\xCE\xAC\xCE\xE1\xB6\xFB\xD7\xD4\xD6\xCE\xC7\xF8", u8"新疆维吾尔自治区"},
     {"\xD0\xC2\xBD\xAE\xCE\xAC\xCE\xE1\xB6\xFB\xD7\xD4\xD6\xCE\xC7\xF8", u8"新疆维吾尔自治区"}},
};
