// GENERATED FILE - DO NOT EDIT.
// Written by scripts/generate_nationality_table.py from data/iso3166-1-zh_CN.tsv
// (Debian's iso-codes: ISO 3166-1 and its zh_CN names); run
//   python3 scripts/generate_nationality_table.py data/iso3166-1-zh_CN.tsv core/nationality_data.cpp
// to write it again.

#include "core/nationality.h"

constexpr int countryCount = 249;

// numeric code, alpha-3, name in Chinese (UTF-8)
constexpr Country countries[countryCount] = {
    {4, "AFG", "阿富汗"},  // Afghanistan
    {8, "ALB", "阿尔巴尼亚"},  // Albania
    {10, "ATA", "南极洲"},  // Antarctica
    {12, "DZA", "阿尔及利亚"},  // Algeria
    {16, "ASM", "美属萨摩亚"},  // American Samoa
    {20, "AND", "安道尔"},  // Andorra
    {24, "AGO", "安哥拉"},  // Angola
    {28, "ATG", "安提瓜和巴布达"},  // Antigua and Barbuda
    {31, "AZE", "阿塞拜疆"},  // Azerbaijan
    {32, "ARG", "阿根廷"},  // Argentina
    {36, "AUS", "澳大利亚"},  // Australia
    {40, "AUT", "奥地利"},  // Austria
    {44, "BHS", "巴哈马"},  // Bahamas
    {48, "BHR", "巴林"},  // Bahrain
    {50, "BGD", "孟加拉"},  // Bangladesh
    {51, "ARM", "亚美尼亚"},  // Armenia
    {52, "BRB", "巴巴多斯"},  // Barbados
    {56, "BEL", "比利时"},  // Belgium
    {60, "BMU", "百慕大"},  // Bermuda
    {64, "BTN", "不丹"},  // Bhutan
    {68, "BOL", "玻利维亚共和国"},  // Bolivia, Plurinational State of
    {70, "BIH", "波斯尼亚和黑塞哥维那"},  // Bosnia and Herzegovina
    {72, "BWA", "博兹瓦那"},  // Botswana
    {74, "BVT", "布维群岛"},  // Bouvet Island
    {76, "BRA", "巴西"},  // Brazil
    {84, "BLZ", "伯利兹"},  // Belize
    {86, "IOT", "英属印度洋领地"},  // British Indian Ocean Territory
    {90, "SLB", "所罗门群岛"},  // Solomon Islands
    {92, "VGB", "英属维尔京群岛"},  // Virgin Islands, British
    {96, "BRN", "文莱"},  // Brunei Darussalam
    {100, "BGR", "保加利亚"},  // Bulgaria
    {104, "MMR", "缅甸"},  // Myanmar
    {108, "BDI", "布隆迪"},  // Burundi
    {112, "BLR", "白俄罗斯"},  // Belarus
    {116, "KHM", "柬埔塞"},  // Cambodia
    {120, "CMR", "喀麦隆"},  // Cameroon
    {124, "CAN", "加拿大"},  // Canada
    {132, "CPV", "佛得角"},  // Cabo Verde
    {136, "CYM", "开曼群岛"},  // Cayman Islands
    {140, "CAF", "中非"},  // Central African Republic
    {144, "LKA", "斯里兰卡"},  // Sri Lanka
    {148, "TCD", "乍得"},  // Chad
    {152, "CHL", "智利"},  // Chile
    {156, "CHN", "中国"},  // China
    {158, "TWN", "中国台湾省"},  // Taiwan, Province of China
    {162, "CXR", "圣诞岛"},  // Christmas Island
    {166, "CCK", "科科斯群岛"},  // Cocos (Keeling) Islands
    {170, "COL", "哥伦比亚"},  // Colombia
    {174, "COM", "科摩罗"},  // Comoros
    {175, "MYT", "马约特"},  // Mayotte
    {178, "COG", "刚果"},  // Congo
    {180, "COD", "刚果民主共和国"},  // Congo, The Democratic Republic of the
    {184, "COK", "库克群岛"},  // Cook Islands
    {188, "CRI", "哥斯达黎加"},  // Costa Rica
    {191, "HRV", "克罗地亚"},  // Croatia
    {192, "CUB", "古巴"},  // Cuba
    {196, "CYP", "塞浦路斯"},  // Cyprus
    {203, "CZE", "捷克"},  // Czechia
    {204, "BEN", "贝宁"},  // Benin
    {208, "DNK", "丹麦"},  // Denmark
    {212, "DMA", "多米尼克"},  // Dominica
    {214, "DOM", "多米尼加共和国"},  // Dominican Republic
    {218, "ECU", "厄瓜多尔"},  // Ecuador
    {222, "SLV", "萨尔瓦多"},  // El Salvador
    {226, "GNQ", "赤道几内亚"},  // Equatorial Guinea
    {231, "ETH", "埃塞俄比亚"},  // Ethiopia
    {232, "ERI", "厄立特里亚"},  // Eritrea
    {233, "EST", "爱沙尼亚"},  // Estonia
    {234, "FRO", "法罗群岛"},  // Faroe Islands
    {238, "FLK", "福克兰群岛(马尔维纳斯)"},  // Falkland Islands (Malvinas)
    {239, "SGS", "南乔治亚岛和南桑德韦奇岛"},  // South Georgia and the South Sandwich Islands
    {242, "FJI", "斐济"},  // Fiji
    {246, "FIN", "芬兰"},  // Finland
    {248, "ALA", "奥兰群岛"},  // Åland Islands
    {250, "FRA", "法国"},  // France
    {254, "GUF", "法属圭亚那"},  // French Guiana
    {258, "PYF", "法属玻利尼西亚"},  // French Polynesia
    {260, "ATF", "法属南半球领地"},  // French Southern Territories
    {262, "DJI", "吉布提"},  // Djibouti
    {266, "GAB", "加蓬"},  // Gabon
    {268, "GEO", "格鲁吉亚"},  // Georgia
    {270, "GMB", "冈比亚"},  // Gambia
    {275, "PSE", "巴勒斯坦"},  // Palestine, State of
    {276, "DEU", "德国"},  // Germany
    {288, "GHA", "加纳"},  // Ghana
    {292, "GIB", "直布罗陀"},  // Gibraltar
    {296, "KIR", "基里巴斯"},  // Kiribati
    {300, "GRC", "希腊"},  // Greece
    {304, "GRL", "格陵兰"},  // Greenland
    {308, "GRD", "格林纳达"},  // Grenada
    {312, "GLP", "瓜德罗普"},  // Guadeloupe
    {316, "GUM", "关岛"},  // Guam
    {320, "GTM", "瓜地马拉"},  // Guatemala
    {324, "GIN", "几内亚"},  // Guinea
    {328, "GUY", "圭亚那"},  // Guyana
    {332, "HTI", "海地"},  // Haiti
    {334, "HMD", "赫德岛与麦克唐纳群岛"},  // Heard Island and McDonald Islands
    {336, "VAT", "梵地冈"},  // Holy See (Vatican City State)
    {340, "HND", "洪都拉斯"},  // Honduras
    {344, "HKG", "香港"},  // Hong Kong
    {348, "HUN", "匈牙利"},  // Hungary
    {352, "ISL", "冰岛"},  // Iceland
    {356, "IND", "印度"},  // India
    {360, "IDN", "印度尼西亚"},  // Indonesia
    {364, "IRN", "伊朗伊斯兰共和国"},  // Iran, Islamic Republic of
    {368, "IRQ", "伊拉克"},  // Iraq
    {372, "IRL", "爱尔兰"},  // Ireland
    {376, "ISR", "以色列"},  // Israel
    {380, "ITA", "意大利"},  // Italy
    {384, "CIV", "科特迪瓦"},  // Côte d'Ivoire
    {388, "JAM", "牙买加"},  // Jamaica
    {392, "JPN", "日本"},  // Japan
    {398, "KAZ", "哈萨克斯坦"},  // Kazakhstan
    {400, "JOR", "约旦"},  // Jordan
    {404, "KEN", "肯尼亚"},  // Kenya
    {408, "PRK", "朝鲜民主主义人民共和国"},  // Korea, Democratic People's Republic of
    {410, "KOR", "大韩民国"},  // Korea, Republic of
    {414, "KWT", "科威特"},  // Kuwait
    {417, "KGZ", "吉尔吉斯坦"},  // Kyrgyzstan
    {418, "LAO", "老挝人民民主共和国"},  // Lao People's Democratic Republic
    {422, "LBN", "黎巴嫩"},  // Lebanon
    {426, "LSO", "莱索托"},  // Lesotho
    {428, "LVA", "拉脱维亚"},  // Latvia
    {430, "LBR", "利比里亚"},  // Liberia
    {434, "LBY", "利比亚"},  // Libya
    {438, "LIE", "列支敦士登"},  // Liechtenstein
    {440, "LTU", "立陶宛"},  // Lithuania
    {442, "LUX", "卢森堡"},  // Luxembourg
    {446, "MAC", "澳门"},  // Macao
    {450, "MDG", "马达加斯加"},  // Madagascar
    {454, "MWI", "马拉维"},  // Malawi
    {458, "MYS", "马来西亚"},  // Malaysia
    {462, "MDV", "马尔代夫"},  // Maldives
    {466, "MLI", "马里"},  // Mali
    {470, "MLT", "马尔他"},  // Malta
    {474, "MTQ", "马提尼克"},  // Martinique
    {478, "MRT", "毛里塔尼亚"},  // Mauritania
    {480, "MUS", "毛里求斯"},  // Mauritius
    {484, "MEX", "墨西哥"},  // Mexico
    {492, "MCO", "摩纳哥"},  // Monaco
    {496, "MNG", "蒙古"},  // Mongolia
    {498, "MDA", "摩尔多瓦共和国"},  // Moldova, Republic of
    {499, "MNE", "黑山"},  // Montenegro
    {500, "MSR", "蒙塞拉特岛"},  // Montserrat
    {504, "MAR", "摩洛哥"},  // Morocco
    {508, "MOZ", "莫桑比克"},  // Mozambique
    {512, "OMN", "阿曼"},  // Oman
    {516, "NAM", "纳米比亚"},  // Namibia
    {520, "NRU", "瑙鲁"},  // Nauru
    {524, "NPL", "尼泊尔"},  // Nepal
    {528, "NLD", "荷兰"},  // Netherlands
    {531, "CUW", "库拉索"},  // Curaçao
    {533, "ABW", "阿鲁巴"},  // Aruba
    {534, "SXM", "荷属圣马丁"},  // Sint Maarten (Dutch part)
    {535, "BES", "博奈尔、圣尤斯特歇斯岛和萨巴"},  // Bonaire, Sint Eustatius and Saba
    {540, "NCL", "新喀里多尼亚"},  // New Caledonia
    {548, "VUT", "瓦努阿图"},  // Vanuatu
    {554, "NZL", "新西兰"},  // New Zealand
    {558, "NIC", "尼加拉瓜"},  // Nicaragua
    {562, "NER", "尼日尔"},  // Niger
    {566, "NGA", "尼日利亚"},  // Nigeria
    {570, "NIU", "纽埃"},  // Niue
    {574, "NFK", "诺福克岛"},  // Norfolk Island
    {578, "NOR", "挪威"},  // Norway
    {580, "MNP", "北马里亚纳群岛"},  // Northern Mariana Islands
    {581, "UMI", "美国本土外小岛屿"},  // United States Minor Outlying Islands
    {583, "FSM", "密克罗尼西亚"},  // Micronesia, Federated States of
    {584, "MHL", "马绍尔群岛"},  // Marshall Islands
    {585, "PLW", "帕劳"},  // Palau
    {586, "PAK", "巴基斯坦"},  // Pakistan
    {591, "PAN", "巴拿马"},  // Panama
    {598, "PNG", "巴布亚新几内亚"},  // Papua New Guinea
    {600, "PRY", "巴拉圭"},  // Paraguay
    {604, "PER", "秘鲁"},  // Peru
    {608, "PHL", "菲律宾"},  // Philippines
    {612, "PCN", "皮特克恩"},  // Pitcairn
    {616, "POL", "波兰"},  // Poland
    {620, "PRT", "葡萄牙"},  // Portugal
    {624, "GNB", "几内亚比绍"},  // Guinea-Bissau
    {626, "TLS", "东帝汶"},  // Timor-Leste
    {630, "PRI", "波多黎各"},  // Puerto Rico
    {634, "QAT", "卡塔尔"},  // Qatar
    {638, "REU", "留尼汪"},  // Réunion
    {642, "ROU", "罗马尼亚"},  // Romania
    {643, "RUS", "俄罗斯"},  // Russian Federation
    {646, "RWA", "卢旺达"},  // Rwanda
    {652, "BLM", "圣巴泰勒米岛"},  // Saint Barthélemy
    {654, "SHN", "圣赫勒拿-阿森松-特里斯坦达库尼亚"},  // Saint Helena, Ascension and Tristan da Cunha
    {659, "KNA", "圣基茨和尼维斯"},  // Saint Kitts and Nevis
    {660, "AIA", "安圭拉"},  // Anguilla
    {662, "LCA", "圣路西亚"},  // Saint Lucia
    {663, "MAF", "法属圣马丁"},  // Saint Martin (French part)
    {666, "SPM", "圣皮埃尔和密克隆"},  // Saint Pierre and Miquelon
    {670, "VCT", "圣文森特和格林纳丁斯"},  // Saint Vincent and the Grenadines
    {674, "SMR", "圣马力诺市"},  // San Marino
    {678, "STP", "圣多美和普林西比"},  // Sao Tome and Principe
    {682, "SAU", "沙特阿拉伯"},  // Saudi Arabia
    {686, "SEN", "塞内加尔"},  // Senegal
    {688, "SRB", "塞尔维亚"},  // Serbia
    {690, "SYC", "塞舌尔"},  // Seychelles
    {694, "SLE", "塞拉利昂"},  // Sierra Leone
    {702, "SGP", "新加坡"},  // Singapore
    {703, "SVK", "斯洛伐克"},  // Slovakia
    {704, "VNM", "越南"},  // Viet Nam
    {705, "SVN", "斯洛文尼亚"},  // Slovenia
    {706, "SOM", "索马里"},  // Somalia
    {710, "ZAF", "南非"},  // South Africa
    {716, "ZWE", "津巴布韦"},  // Zimbabwe
    {724, "ESP", "西班牙"},  // Spain
    {728, "SSD", "南苏丹"},  // South Sudan
    {729, "SDN", "苏丹"},  // Sudan
    {732, "ESH", "西撒哈拉"},  // Western Sahara
    {740, "SUR", "苏里南"},  // Suriname
    {744, "SJM", "斯瓦尔巴特和扬马延岛"},  // Svalbard and Jan Mayen
    {748, "SWZ", "斯威士兰"},  // Eswatini
    {752, "SWE", "瑞典"},  // Sweden
    {756, "CHE", "瑞士"},  // Switzerland
    {760, "SYR", "阿拉伯叙利亚共和国"},  // Syrian Arab Republic
    {762, "TJK", "塔吉克斯坦"},  // Tajikistan
    {764, "THA", "泰国"},  // Thailand
    {768, "TGO", "多哥"},  // Togo
    {772, "TKL", "托克劳"},  // Tokelau
    {776, "TON", "汤加"},  // Tonga
    {780, "TTO", "特里尼达和多巴哥"},  // Trinidad and Tobago
    {784, "ARE", "阿联酋"},  // United Arab Emirates
    {788, "TUN", "突尼斯"},  // Tunisia
    {792, "TUR", "土耳其"},  // Türkiye
    {795, "TKM", "土库曼斯坦"},  // Turkmenistan
    {796, "TCA", "特克斯和凯科斯群岛"},  // Turks and Caicos Islands
    {798, "TUV", "图瓦卢"},  // Tuvalu
    {800, "UGA", "乌干达"},  // Uganda
    {804, "UKR", "乌克兰"},  // Ukraine
    {807, "MKD", "北马其顿"},  // North Macedonia
    {818, "EGY", "埃及"},  // Egypt
    {826, "GBR", "英国"},  // United Kingdom
    {831, "GGY", "根西岛"},  // Guernsey
    {832, "JEY", "泽西岛"},  // Jersey
    {833, "IMN", "曼岛"},  // Isle of Man
    {834, "TZA", "坦桑尼亚"},  // Tanzania, United Republic of
    {840, "USA", "美国"},  // United States
    {850, "VIR", "美属维尔京群岛"},  // Virgin Islands, U.S.
    {854, "BFA", "布基纳法索"},  // Burkina Faso
    {858, "URY", "乌拉圭"},  // Uruguay
    {860, "UZB", "乌兹别克斯坦"},  // Uzbekistan
    {862, "VEN", "委内瑞拉玻利瓦尔共和国"},  // Venezuela, Bolivarian Republic of
    {876, "WLF", "瓦利斯和富图纳"},  // Wallis and Futuna
    {882, "WSM", "萨摩亚"},  // Samoa
    {887, "YEM", "也门"},  // Yemen
    {894, "ZMB", "赞比亚"},  // Zambia
};
