// The catalogue's data: labels, base ids and the 48 feature loaders with their delta
// rows.
#include "facelore/catalogue.h"

#include <algorithm>
#include <cstddef>

namespace facelore {

namespace {

constexpr const char* kIndexNames[kIndexCount + 1] = {
    "", "健康指数", "财富指数", "智力指数", "诚信指数", "勤俭指数",
    "浪漫指数", "温柔指数", "贞洁指数", "魅力指数", "性福指数",
};

constexpr FaceFeature kEyesFeatures[] = {
    {"眼睛的大小", 102},
    {"眼睛的凹凸", 112},
    {"眼  白", 122},
    {"眼睛的视线", 131},
    {"特殊眼形", 142},
    {"眼头的形态", 153},
    {"眼尾的皱纹", 162},
    {"两眼的距离", 173},
    {"眼尾的形态", 182},
    {"田 宅 宫", 191},
    {"眼下泪堂", 200},
};
constexpr FaceFeature kBrowsFeatures[] = {
    {"眉的长短", 216},
    {"眉的浓淡", 227},
    {"双眉的形态", 236},
    {"眉毛的粗细", 247},
    {"眉的特殊形态", 256},
};
constexpr FaceFeature kNoseFeatures[] = {
    {"鼻子的大小", 271},
    {"鼻子的长短", 280},
    {"鼻子的高低", 289},
    {"鼻  孔", 298},
    {"鼻翼的大小", 307},
    {"鼻子的形态", 316},
    {"鼻子的色泽", 325},
    {"准头的形态", 334},
};
constexpr FaceFeature kEarsFeatures[] = {
    {"耳朵的大小", 351},
    {"耳朵的厚薄硬软", 360},
    {"耳朵的轮廓", 371},
    {"耳垂的形状", 382},
};
constexpr FaceFeature kMouthFeatures[] = {
    {"嘴巴的大小", 397},
    {"嘴巴的凹凸", 408},
    {"嘴巴的正面形态", 417},
    {"嘴唇的厚薄", 428},
    {"上下唇的突出", 443},
    {"上唇的形态", 452},
};
constexpr FaceFeature kPhiltrumFeatures[] = {
    {"人中的深浅长短", 467},
    {"人中的形状", 480},
    {"人中的胡须", 489},
};
constexpr FaceFeature kTeethFeatures[] = {
    {"牙齿的大小", 504},
    {"牙齿的长势", 515},
    {"单个牙齿的形状", 530},
    {"牙齿的颜色", 539},
};
constexpr FaceFeature kChinFeatures[] = {
    {"下巴的正面形态", 556},
    {"下巴的侧面形态", 567},
    {"是否双下巴", 576},
};
constexpr FaceFeature kNeckFeatures[] = {
    {"脖子的粗细", 591},
    {"脖子是否端正", 600},
    {"脖子的胡须", 609},
    {"脖子的青筋", 618},
};

constexpr std::span<const FaceFeature> kPartFeatures[kPartSlots] = {
    {},
    kEyesFeatures,
    kBrowsFeatures,
    kNoseFeatures,
    kEarsFeatures,
    kMouthFeatures,
    kPhiltrumFeatures,
    kTeethFeatures,
    kChinFeatures,
    kNeckFeatures,
};

// Rows 1..n of the store get the feature's n rows.
template <std::size_t N>
void write_rows(CurrentFeature& f, const DeltaRow (&rows)[N]) {
  static_assert(N >= 1 && N < CurrentFeature::kSlots);
  std::copy(std::begin(rows), std::end(rows), f.score.begin() + 1);
}

// One loader per feature, in list order.  Rows are listed by option, deltas in
// ScoreIndex order (health, wealth, intelligence, integrity, thrift, romance,
// tenderness, chastity, charm, sexual happiness).
//
// (*) The third options of 嘴巴的大小 and 牙齿的大小 have rows of our own choosing that
// agree with their texts: a pinched small mouth reads as frail, short of money, warmth
// and charm but frugal and faithful; fine close teeth as thrifty, clever and faithful.

// 眼睛
void load_eye_size(CurrentFeature& f, const TextSource& texts) {  // 眼睛的大小
  static constexpr DeltaRow rows[] = {
      {0, 0, 0, +2, -10, +20, +15, -5, +10, 0},  // 大眼睛
      {0, -2, 0, 0, +5, -10, -8, +2, -6, 0},  // 小眼睛
      {0, 0, 0, +6, +6, -20, -5, +10, -10, 0},  // 细长眼睛
  };
  write_rows(f, rows);
  load_feature_texts(3, 102, f, texts);
}

void load_eye_depth(CurrentFeature& f, const TextSource& texts) {  // 眼睛的凹凸
  static constexpr DeltaRow rows[] = {
      {-15, -15, 0, -6, -2, +5, 0, -5, 0, -2},  // 眼睛凸出
      {0, 0, 0, +8, +8, -10, -10, +6, -15, -6},  // 眼睛凹入
  };
  write_rows(f, rows);
  load_feature_texts(2, 112, f, texts);
}

void load_eye_whites(CurrentFeature& f, const TextSource& texts) {  // 眼  白
  static constexpr DeltaRow rows[] = {
      {0, -5, 0, -20, +5, -10, -15, -20, -20, 0},  // 三白眼
      {-10, -10, -10, -40, 0, -40, -40, -40, -40, -10},  // 四白眼
  };
  write_rows(f, rows);
  load_feature_texts(2, 122, f, texts);
}

void load_eye_gaze(CurrentFeature& f, const TextSource& texts) {  // 眼睛的视线
  static constexpr DeltaRow rows[] = {
      {0, +6, +11, -10, 0, 0, -6, 0, -8, 0},  // 上视眼
      {0, 0, -4, +8, +8, +2, +10, -8, -3, 0},  // 下视眼
      {0, -2, 0, -18, 0, +5, 0, -20, 0, +15},  // 斜视眼
  };
  write_rows(f, rows);
  load_feature_texts(3, 131, f, texts);
}

void load_special_eye_shapes(CurrentFeature& f, const TextSource& texts) {  // 特殊眼形
  static constexpr DeltaRow rows[] = {
      {-8, -15, -5, -10, 0, -30, -35, -5, -20, -2},  // 独眼
      {0, +5, +5, -4, 0, +10, +8, -8, +3, 0},  // 阴阳眼
      {0, +10, +8, -20, 0, -2, -15, -8, -8, 0},  // 三角眼
  };
  write_rows(f, rows);
  load_feature_texts(3, 142, f, texts);
}

void load_inner_eye_corner(CurrentFeature& f, const TextSource& texts) {  // 眼头的形态
  static constexpr DeltaRow rows[] = {
      {0, 0, 0, +4, +1, 0, +2, +8, -1, 0},  // 眼头圆
      {0, +6, +7, -2, 0, +5, 0, -6, +3, +1},  // 眼头尖
  };
  write_rows(f, rows);
  load_feature_texts(2, 153, f, texts);
}

void load_eye_tail_wrinkles(CurrentFeature& f, const TextSource& texts) {  // 眼尾的皱纹
  static constexpr DeltaRow rows[] = {
      {0, 0, 0, 0, 0, 0, -4, -8, 0, +5},  // 有一条皱纹
      {0, 0, 0, 0, 0, +2, +3, -2, 0, +1},  // 有两条皱纹
      {-5, -4, 0, 0, 0, 0, 0, 0, 0, -3},  // 有多条皱纹
  };
  write_rows(f, rows);
  load_feature_texts(3, 162, f, texts);
}

void load_eye_spacing(CurrentFeature& f, const TextSource& texts) {  // 两眼的距离
  static constexpr DeltaRow rows[] = {
      {-2, -8, 0, -5, -11, 0, 0, 0, -5, 0},  // 距离很近
      {-2, -6, 0, -1, -2, 0, 0, 0, -4, 0},  // 距离很远
  };
  write_rows(f, rows);
  load_feature_texts(2, 173, f, texts);
}

void load_eye_tail_shape(CurrentFeature& f, const TextSource& texts) {  // 眼尾的形态
  static constexpr DeltaRow rows[] = {
      {+16, +11, +8, +1, 0, +20, +18, 0, +3, +32},  // 眼尾丰满润泽
      {-18, -12, -4, +11, +18, -25, -1, +11, -8, -24},  // 眼尾凹陷
  };
  write_rows(f, rows);
  load_feature_texts(2, 182, f, texts);
}

void load_upper_eyelid(CurrentFeature& f, const TextSource& texts) {  // 田 宅 宫
  static constexpr DeltaRow rows[] = {
      {+2, +8, 0, +3, 0, +5, +1, -3, +4, +8},  // 田宅宽厚
      {-2, -8, 0, +5, +5, -5, +3, +1, -2, -6},  // 田宅窄薄
  };
  write_rows(f, rows);
  load_feature_texts(2, 191, f, texts);
}

void load_tear_hall(CurrentFeature& f, const TextSource& texts) {  // 眼下泪堂
  static constexpr DeltaRow rows[] = {
      {+5, +3, +1, +4, 0, +15, +11, -1, +8, +18},  // 泪堂丰满
      {-12, -13, -8, -6, 0, -18, -10, 0, -11, -18},  // 泪堂下陷
  };
  write_rows(f, rows);
  load_feature_texts(2, 200, f, texts);
}

// 眉毛
void load_brow_length(CurrentFeature& f, const TextSource& texts) {  // 眉的长短
  static constexpr DeltaRow rows[] = {
      {+5, +6, +12, +6, 0, +12, +14, +2, +8, +6},  // 眉毛长
      {+3, +1, 0, 0, -10, +4, +2, 0, -1, +6},  // 眉毛长，而弯曲明显
      {-1, -5, +5, -5, +1, +3, 0, -2, +1, 0},  // 眉毛明显偏短
  };
  write_rows(f, rows);
  load_feature_texts(3, 216, f, texts);
}

void load_brow_density(CurrentFeature& f, const TextSource& texts) {  // 眉的浓淡
  static constexpr DeltaRow rows[] = {
      {+4, 0, -4, +4, +3, -3, -10, -8, 0, +15},  // 浓眉
      {0, 0, +4, -4, 0, +4, +6, -8, 0, 0},  // 淡眉
  };
  write_rows(f, rows);
  load_feature_texts(2, 227, f, texts);
}

void load_brow_pair_shape(CurrentFeature& f, const TextSource& texts) {  // 双眉的形态
  static constexpr DeltaRow rows[] = {
      {+5, +5, +5, +8, +8, 0, 0, +10, +4, +2},  // 一字眉
      {-6, -3, -3, -8, -10, 0, 0, -15, -4, -2},  // 八字眉
      {+5, +5, +6, +10, +10, 0, -3, +11, +8, +3},  // 倒八字眉
  };
  write_rows(f, rows);
  load_feature_texts(3, 236, f, texts);
}

void load_brow_thickness(CurrentFeature& f, const TextSource& texts) {  // 眉毛的粗细
  static constexpr DeltaRow rows[] = {
      {0, -6, -6, -6, 0, -18, -28, -2, -4, +1},  // 眉毛粗
      {-2, 0, +2, +3, 0, +3, +5, 0, 0, 0},  // 眉毛细
  };
  write_rows(f, rows);
  load_feature_texts(2, 247, f, texts);
}

void load_special_brow_shapes(CurrentFeature& f, const TextSource& texts) {  // 眉的特殊形态
  static constexpr DeltaRow rows[] = {
      {-18, -2, -3, -20, 0, -30, -35, -30, -25, -12},  // 双眉相交
      {0, -8, +3, -10, -4, -5, -10, -22, -5, 0},  // 眉毛散乱
  };
  write_rows(f, rows);
  load_feature_texts(2, 256, f, texts);
}

// 鼻子
void load_nose_size(CurrentFeature& f, const TextSource& texts) {  // 鼻子的大小
  static constexpr DeltaRow rows[] = {
      {+1, +20, +15, +3, +5, +5, 0, -1, +8, +20},  // 大鼻
      {-1, -10, -3, -2, 0, 0, +5, +4, -2, -4},  // 小鼻
  };
  write_rows(f, rows);
  load_feature_texts(2, 271, f, texts);
}

void load_nose_length(CurrentFeature& f, const TextSource& texts) {  // 鼻子的长短
  static constexpr DeltaRow rows[] = {
      {+6, +12, +10, +8, -2, +15, +12, 0, +12, +6},  // 长鼻子
      {-2, -5, -5, -25, 0, -5, -6, -3, -8, 0},  // 短鼻子
  };
  write_rows(f, rows);
  load_feature_texts(2, 280, f, texts);
}

void load_nose_height(CurrentFeature& f, const TextSource& texts) {  // 鼻子的高低
  static constexpr DeltaRow rows[] = {
      {0, -3, +2, -10, -18, +10, +1, -20, 0, +5},  // 鼻子高
      {-2, -28, -20, -10, -15, -5, 0, -5, -12, -8},  // 鼻子低
  };
  write_rows(f, rows);
  load_feature_texts(2, 289, f, texts);
}

void load_nostrils(CurrentFeature& f, const TextSource& texts) {  // 鼻  孔
  static constexpr DeltaRow rows[] = {
      {-1, -25, -15, -30, -12, -8, -20, -38, -28, 0},  // 鼻子露孔
      {0, +8, 0, +4, +5, 0, +2, +2, +3, 0},  // 鼻子藏孔
  };
  write_rows(f, rows);
  load_feature_texts(2, 298, f, texts);
}

void load_nose_wing_size(CurrentFeature& f, const TextSource& texts) {  // 鼻翼的大小
  static constexpr DeltaRow rows[] = {
      {+14, +28, +18, +12, +25, +8, +15, 0, +8, +13},  // 鼻翼大
      {-12, -15, -16, -8, -12, 0, 0, 0, -8, -10},  // 鼻翼小
  };
  write_rows(f, rows);
  load_feature_texts(2, 307, f, texts);
}

void load_nose_shape(CurrentFeature& f, const TextSource& texts) {  // 鼻子的形态
  static constexpr DeltaRow rows[] = {
      {0, -5, -3, -6, 0, -5, -8, -3, -8, 0},  // 鼻子歪斜
      {-1, -6, -4, -18, -5, -10, -12, -8, -15, 0},  // 鼻子起节
  };
  write_rows(f, rows);
  load_feature_texts(2, 316, f, texts);
}

void load_nose_colour(CurrentFeature& f, const TextSource& texts) {  // 鼻子的色泽
  static constexpr DeltaRow rows[] = {
      {-5, -20, 0, -6, -6, 0, -5, -25, -14, 0},  // 鼻子红色
      {+10, +8, +5, +8, +5, +8, +2, 0, +3, +5},  // 鼻子黄明
  };
  write_rows(f, rows);
  load_feature_texts(2, 325, f, texts);
}

void load_nose_tip_shape(CurrentFeature& f, const TextSource& texts) {  // 准头的形态
  static constexpr DeltaRow rows[] = {
      {0, +25, +12, +10, +8, +3, +8, -8, +4, +5},  // 准头丰满
      {0, +12, 0, -8, 0, 0, 0, 0, 0, 0},  // 准头尖细
      {0, 0, 0, -38, 0, -10, -28, -32, -12, 0},  // 鹰勾鼻
  };
  write_rows(f, rows);
  load_feature_texts(3, 334, f, texts);
}

// 耳朵
void load_ear_size(CurrentFeature& f, const TextSource& texts) {  // 耳朵的大小
  static constexpr DeltaRow rows[] = {
      {+15, +15, +15, +20, +18, -10, -10, +5, 0, +5},  // 大耳朵
      {-18, -8, +5, -5, -4, +6, 0, -8, 0, -2},  // 小耳朵
  };
  write_rows(f, rows);
  load_feature_texts(2, 351, f, texts);
}

void load_ear_texture(CurrentFeature& f, const TextSource& texts) {  // 耳朵的厚薄硬软
  static constexpr DeltaRow rows[] = {
      {-20, -15, -5, -8, -25, +20, +25, -25, 0, -2},  // 耳朵肥软
      {+18, +15, +5, +18, +18, +20, 0, +6, +5, +8},  // 耳朵厚硬
      {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 耳朵瘪薄
  };
  write_rows(f, rows);
  load_feature_texts(3, 360, f, texts);
}

void load_ear_rim(CurrentFeature& f, const TextSource& texts) {  // 耳朵的轮廓
  static constexpr DeltaRow rows[] = {
      {-25, -24, -12, -10, -18, -10, -20, 0, -20, -18},  // 耳轮反生
      {-10, -35, -8, -40, 0, -20, -38, -10, -20, -2},  // 齿轮耳
      {-20, -10, 0, -25, 0, +20, 0, -30, 0, 0},  // 耳廓突出
  };
  write_rows(f, rows);
  load_feature_texts(3, 371, f, texts);
}

void load_earlobe_shape(CurrentFeature& f, const TextSource& texts) {  // 耳垂的形状
  static constexpr DeltaRow rows[] = {
      {+10, +18, +18, +20, +12, +20, +20, +20, +10, +10},  // 耳垂厚实
      {-5, -6, -2, -5, 0, 0, 0, -2, -5, -3},  // 无耳垂或耳垂浅薄
  };
  write_rows(f, rows);
  load_feature_texts(2, 382, f, texts);
}

// 嘴巴
void load_mouth_size(CurrentFeature& f, const TextSource& texts) {  // 嘴巴的大小
  static constexpr DeltaRow rows[] = {
      {+25, +15, +6, 0, 0, 0, -4, -8, +6, +18},  // 嘴巴大
      {0, -3, -2, 0, +2, +2, +6, +3, 0, 0},  // 嘴巴小
      {-6, -10, 0, -4, +8, -6, -3, +4, -8, -8},  // 嘴巴又尖又小，紧缩无力 (*)
  };
  write_rows(f, rows);
  load_feature_texts(3, 397, f, texts);
}

void load_mouth_profile(CurrentFeature& f, const TextSource& texts) {  // 嘴巴的凹凸
  static constexpr DeltaRow rows[] = {
      {0, 0, 0, -3, 0, +4, +12, +3, 0, 0},  // 凹嘴
      {-10, -25, -10, -18, -8, -10, -18, -8, -18, -8},  // 凸嘴
  };
  write_rows(f, rows);
  load_feature_texts(2, 408, f, texts);
}

void load_mouth_front_shape(CurrentFeature& f, const TextSource& texts) {  // 嘴巴的正面形态
  static constexpr DeltaRow rows[] = {
      {0, -8, 0, -26, 0, 0, -8, -5, -5, 0},  // 歪嘴
      {+10, +15, +10, +20, +8, +20, +30, 0, +30, +18},  // 仰月嘴
      {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 反弓嘴
  };
  write_rows(f, rows);
  load_feature_texts(3, 417, f, texts);
}

void load_lip_thickness(CurrentFeature& f, const TextSource& texts) {  // 嘴唇的厚薄
  static constexpr DeltaRow rows[] = {
      {+18, +15, +10, +20, +15, +6, +18, 0, +8, +25},  // 嘴唇厚
      {-8, -35, -10, -30, -8, -2, -25, -20, -20, -2},  // 嘴唇厚，但无棱角无纹理
      {-8, -35, -10, -30, -8, -2, -25, -20, -20, -2},  // 嘴唇厚，肉向外翻涌
      {-5, -2, -5, -4, 0, 0, 0, -6, 0, 0},  // 嘴唇中间厚两侧薄
      {-3, -6, 0, -15, 0, 0, -6, 0, 0, -2},  // 嘴唇薄
  };
  write_rows(f, rows);
  load_feature_texts(5, 428, f, texts);
}

void load_lip_protrusion(CurrentFeature& f, const TextSource& texts) {  // 上下唇的突出
  static constexpr DeltaRow rows[] = {
      {+2, 0, 0, +5, +3, +6, +6, -10, +2, +12},  // 上唇突出
      {0, -8, 0, -25, 0, +12, 0, -15, 0, +4},  // 下唇突出
  };
  write_rows(f, rows);
  load_feature_texts(2, 443, f, texts);
}

void load_upper_lip_shape(CurrentFeature& f, const TextSource& texts) {  // 上唇的形态
  static constexpr DeltaRow rows[] = {
      {+5, +18, +10, +18, +15, +5, +15, +25, +10, +5},  // 上唇呈现一字形
      {-14, -12, -8, -15, 0, 0, -10, -12, -6, -5},  // 上唇呈现八字形
  };
  write_rows(f, rows);
  load_feature_texts(2, 452, f, texts);
}

// 人中
void load_philtrum_depth_length(CurrentFeature& f, const TextSource& texts) {  // 人中的深浅长短
  static constexpr DeltaRow rows[] = {
      {+20, +12, +10, +18, +10, -5, 0, +10, +6, +20},  // 人中深而长
      {-14, 0, 0, -15, 0, 0, 0, -6, 0, -15},  // 人中浅而短
      {-12, -24, 0, -10, 0, -3, -6, +4, -16, -25},  // 人中狭长
      {-4, -6, -1, +4, -2, +10, +12, -2, 0, -2},  // 人中大而平
  };
  write_rows(f, rows);
  load_feature_texts(4, 467, f, texts);
}

void load_philtrum_shape(CurrentFeature& f, const TextSource& texts) {  // 人中的形状
  static constexpr DeltaRow rows[] = {
      {0, +2, 0, 0, +10, -6, -3, +10, 0, 0},  // 人中呈漏斗型
      {0, -3, 0, -14, -14, +14, +3, -25, 0, 0},  // 人中呈喇叭型
  };
  write_rows(f, rows);
  load_feature_texts(2, 480, f, texts);
}

void load_philtrum_beard(CurrentFeature& f, const TextSource& texts) {  // 人中的胡须
  static constexpr DeltaRow rows[] = {
      {-2, -12, -3, -5, 0, +3, 0, -10, -8, -3},  // 人中无胡须
      {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 人中有胡须
  };
  write_rows(f, rows);
  load_feature_texts(2, 489, f, texts);
}

// 牙齿
void load_tooth_size(CurrentFeature& f, const TextSource& texts) {  // 牙齿的大小
  static constexpr DeltaRow rows[] = {
      {+12, +18, +6, +24, +6, +5, +8, +20, +8, +12},  // 牙齿大，排列齐密
      {-18, -14, -6, -24, -6, 0, -5, -6, -8, -15},  // 牙齿大，排列稀疏
      {+4, +3, +8, +6, +12, -2, +5, +8, +2, 0},  // 牙齿细小，排列紧密 (*)
  };
  write_rows(f, rows);
  load_feature_texts(3, 504, f, texts);
}

void load_tooth_growth(CurrentFeature& f, const TextSource& texts) {  // 牙齿的长势
  static constexpr DeltaRow rows[] = {
      {0, -5, 0, -35, -8, -3, -15, -4, -20, 0},  // 重牙
      {-2, -15, -8, -38, -18, -8, -28, -4, -28, -3},  // 暴牙
      {-5, -15, -5, -40, -6, -5, -15, -18, -25, -5},  // 八字牙
      {-10, -32, -12, -45, -20, -18, -40, -35, -40, -10},  // 暴牙，同时八字牙
      {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 隐牙
  };
  write_rows(f, rows);
  load_feature_texts(5, 515, f, texts);
}

void load_tooth_shape(CurrentFeature& f, const TextSource& texts) {  // 单个牙齿的形状
  static constexpr DeltaRow rows[] = {
      {+25, 0, -5, -45, 0, 0, -25, -15, -10, +20},  // 牙齿尖锐
      {+1, +2, +2, +4, 0, 0, +2, +2, 0, 0},  // 牙齿方正
  };
  write_rows(f, rows);
  load_feature_texts(2, 530, f, texts);
}

void load_tooth_colour(CurrentFeature& f, const TextSource& texts) {  // 牙齿的颜色
  static constexpr DeltaRow rows[] = {
      {+8, +15, +12, +5, -5, +15, +15, -8, +15, +8},  // 牙齿洁白光润
      {-10, -15, -8, -20, -5, -5, -10, -12, -15, -18},  // 牙齿苍白，形同枯骨
      {-15, -20, -10, -30, -18, -5, -18, -20, -18, 0},  // 牙齿焦黄枯黑，非常脏
  };
  write_rows(f, rows);
  load_feature_texts(3, 539, f, texts);
}

// 下巴
void load_chin_front_shape(CurrentFeature& f, const TextSource& texts) {  // 下巴的正面形态
  static constexpr DeltaRow rows[] = {
      {+25, +20, +12, +20, +25, -20, -25, +25, +15, +20},  // 方下巴
      {+8, +8, +2, +5, +5, +12, +15, -3, +3, +3},  // 圆下巴
      {-2, -12, 0, -35, 0, +10, +5, -12, 0, -5},  // 尖下巴
  };
  write_rows(f, rows);
  load_feature_texts(3, 556, f, texts);
}

void load_chin_profile(CurrentFeature& f, const TextSource& texts) {  // 下巴的侧面形态
  static constexpr DeltaRow rows[] = {
      {-12, -8, +12, +20, +15, +5, 0, +20, +8, -5},  // 下巴外翘
      {-25, -20, -8, -25, -8, -5, -18, -4, -25, -18},  // 下巴内收
  };
  write_rows(f, rows);
  load_feature_texts(2, 567, f, texts);
}

void load_double_chin(CurrentFeature& f, const TextSource& texts) {  // 是否双下巴
  static constexpr DeltaRow rows[] = {
      {+8, +25, +5, +25, +25, 0, +4, +4, +10, +8},  // 双下巴
      {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 不是双下巴
  };
  write_rows(f, rows);
  load_feature_texts(2, 576, f, texts);
}

// 脖子
void load_neck_thickness(CurrentFeature& f, const TextSource& texts) {  // 脖子的粗细
  static constexpr DeltaRow rows[] = {
      {+8, +4, -5, +4, +3, -15, -34, 0, -18, +8},  // 脖子粗大
      {-8, -8, +2, -6, -8, +10, +10, -10, +2, -2},  // 脖子细小
  };
  write_rows(f, rows);
  load_feature_texts(2, 591, f, texts);
}

void load_neck_posture(CurrentFeature& f, const TextSource& texts) {  // 脖子是否端正
  static constexpr DeltaRow rows[] = {
      {+1, 0, 0, -28, 0, +1, -10, -24, -8, +5},  // 歪脖子
      {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 脖子端正
  };
  write_rows(f, rows);
  load_feature_texts(2, 600, f, texts);
}

void load_neck_hair(CurrentFeature& f, const TextSource& texts) {  // 脖子的胡须
  static constexpr DeltaRow rows[] = {
      {-1, 0, +5, -8, +10, -6, -10, -2, -8, +5},  // 脖子有胡须
      {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 脖子无胡须
  };
  write_rows(f, rows);
  load_feature_texts(2, 609, f, texts);
}

void load_neck_veins(CurrentFeature& f, const TextSource& texts) {  // 脖子的青筋
  static constexpr DeltaRow rows[] = {
      {-10, -8, -8, 0, +2, +5, -8, +2, -8, -6},  // 脖子有青筋
      {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 脖子无青筋或不明显
  };
  write_rows(f, rows);
  load_feature_texts(2, 618, f, texts);
}

using Loader = void (*)(CurrentFeature&, const TextSource&);

constexpr Loader kLoaders[kPartSlots][kFeatureSlots] = {
    {},
    {nullptr, load_eye_size, load_eye_depth, load_eye_whites, load_eye_gaze,
     load_special_eye_shapes, load_inner_eye_corner, load_eye_tail_wrinkles, load_eye_spacing,
     load_eye_tail_shape, load_upper_eyelid, load_tear_hall},
    {nullptr, load_brow_length, load_brow_density, load_brow_pair_shape, load_brow_thickness,
     load_special_brow_shapes},
    {nullptr, load_nose_size, load_nose_length, load_nose_height, load_nostrils,
     load_nose_wing_size, load_nose_shape, load_nose_colour, load_nose_tip_shape},
    {nullptr, load_ear_size, load_ear_texture, load_ear_rim, load_earlobe_shape},
    {nullptr, load_mouth_size, load_mouth_profile, load_mouth_front_shape, load_lip_thickness,
     load_lip_protrusion, load_upper_lip_shape},
    {nullptr, load_philtrum_depth_length, load_philtrum_shape, load_philtrum_beard},
    {nullptr, load_tooth_size, load_tooth_growth, load_tooth_shape, load_tooth_colour},
    {nullptr, load_chin_front_shape, load_chin_profile, load_double_chin},
    {nullptr, load_neck_thickness, load_neck_posture, load_neck_hair, load_neck_veins},
};

bool in_catalogue(int part, int feature) {
  return part >= 1 && part <= kPartCount && feature >= 1 &&
         static_cast<std::size_t>(feature) <= kPartFeatures[part].size();
}

}  // namespace

const char* const part_labels[kPartCount + 1] = {
    kPartPlaceholder, "眼睛", "眉毛", "鼻子", "耳朵", "嘴巴", "人中", "牙齿", "下巴", "脖子",
};

const char* const option_label_table[kPartSlots][kFeatureSlots][kOptionSlots] = {
    {{""}},  // no part: only the empty slot of row [0][0]
    {
        // 眼睛
        {""},
        {"", "大眼睛", "小眼睛", "细长眼睛", nullptr},  // 眼睛的大小
        {"", "眼睛凸出", "眼睛凹入", nullptr},  // 眼睛的凹凸
        {"", "三白眼", "四白眼", nullptr},  // 眼  白
        {"", "上视眼", "下视眼", "斜视眼", nullptr},  // 眼睛的视线
        {"", "独眼", "阴阳眼", "三角眼", nullptr},  // 特殊眼形
        {"", "眼头圆", "眼头尖", nullptr},  // 眼头的形态
        {"", "有一条皱纹", "有两条皱纹", "有多条皱纹", nullptr},  // 眼尾的皱纹
        {"", "距离很近", "距离很远", nullptr},  // 两眼的距离
        {"", "眼尾丰满润泽", "眼尾凹陷", nullptr},  // 眼尾的形态
        {"", "田宅宽厚", "田宅窄薄", nullptr},  // 田 宅 宫
        {"", "泪堂丰满", "泪堂下陷", nullptr},  // 眼下泪堂
    },
    {
        // 眉毛
        {""},
        {"", "眉毛长", "眉毛长，而弯曲明显", "眉毛明显偏短", nullptr},  // 眉的长短
        {"", "浓眉", "淡眉", nullptr},  // 眉的浓淡
        {"", "一字眉", "八字眉", "倒八字眉", nullptr},  // 双眉的形态
        {"", "眉毛粗", "眉毛细", nullptr},  // 眉毛的粗细
        {"", "双眉相交", "眉毛散乱", nullptr},  // 眉的特殊形态
    },
    {
        // 鼻子
        {""},
        {"", "大鼻", "小鼻", nullptr},  // 鼻子的大小
        {"", "长鼻子", "短鼻子", nullptr},  // 鼻子的长短
        {"", "鼻子高", "鼻子低", nullptr},  // 鼻子的高低
        {"", "鼻子露孔", "鼻子藏孔", nullptr},  // 鼻  孔
        {"", "鼻翼大", "鼻翼小", nullptr},  // 鼻翼的大小
        {"", "鼻子歪斜", "鼻子起节", nullptr},  // 鼻子的形态
        {"", "鼻子红色", "鼻子黄明", nullptr},  // 鼻子的色泽
        {"", "准头丰满", "准头尖细", "鹰勾鼻", nullptr},  // 准头的形态
    },
    {
        // 耳朵
        {""},
        {"", "大耳朵", "小耳朵", nullptr},  // 耳朵的大小
        {"", "耳朵肥软", "耳朵厚硬", "耳朵瘪薄", nullptr},  // 耳朵的厚薄硬软
        {"", "耳轮反生", "齿轮耳", "耳廓突出", nullptr},  // 耳朵的轮廓
        {"", "耳垂厚实", "无耳垂或耳垂浅薄", nullptr},  // 耳垂的形状
    },
    {
        // 嘴巴
        {""},
        {"", "嘴巴大", "嘴巴小", "嘴巴又尖又小，紧缩无力", nullptr},  // 嘴巴的大小
        {"", "凹嘴", "凸嘴", nullptr},  // 嘴巴的凹凸
        {"", "歪嘴", "仰月嘴", "反弓嘴", nullptr},  // 嘴巴的正面形态
        // 嘴唇的厚薄
        {"", "嘴唇厚", "嘴唇厚，但无棱角无纹理", "嘴唇厚，肉向外翻涌", "嘴唇中间厚两侧薄", "嘴唇薄",
         nullptr},
        {"", "上唇突出", "下唇突出", nullptr},  // 上下唇的突出
        {"", "上唇呈现一字形", "上唇呈现八字形", nullptr},  // 上唇的形态
    },
    {
        // 人中
        {""},
        {"", "人中深而长", "人中浅而短", "人中狭长", "人中大而平", nullptr},  // 人中的深浅长短
        {"", "人中呈漏斗型", "人中呈喇叭型", nullptr},  // 人中的形状
        {"", "人中无胡须", "人中有胡须", nullptr},  // 人中的胡须
    },
    {
        // 牙齿
        {""},
        {"", "牙齿大，排列齐密", "牙齿大，排列稀疏", "牙齿细小，排列紧密", nullptr},  // 牙齿的大小
        {"", "重牙", "暴牙", "八字牙", "暴牙，同时八字牙", "隐牙", nullptr},  // 牙齿的长势
        {"", "牙齿尖锐", "牙齿方正", nullptr},  // 单个牙齿的形状
        {"", "牙齿洁白光润", "牙齿苍白，形同枯骨", "牙齿焦黄枯黑，非常脏", nullptr},  // 牙齿的颜色
    },
    {
        // 下巴
        {""},
        {"", "方下巴", "圆下巴", "尖下巴", nullptr},  // 下巴的正面形态
        {"", "下巴外翘", "下巴内收", nullptr},  // 下巴的侧面形态
        {"", "双下巴", "不是双下巴", nullptr},  // 是否双下巴
    },
    {
        // 脖子
        {""},
        {"", "脖子粗大", "脖子细小", nullptr},  // 脖子的粗细
        {"", "歪脖子", "脖子端正", nullptr},  // 脖子是否端正
        {"", "脖子有胡须", "脖子无胡须", nullptr},  // 脖子的胡须
        {"", "脖子有青筋", "脖子无青筋或不明显", nullptr},  // 脖子的青筋
    },
};

const char* index_name(int n) { return n >= 1 && n <= kIndexCount ? kIndexNames[n] : ""; }

std::span<const FaceFeature> part_features(int part) {
  if (part < 1 || part > kPartCount) return {};
  return kPartFeatures[part];
}

std::vector<std::string_view> feature_labels(int part) {
  std::vector<std::string_view> labels;
  for (const FaceFeature& feature : part_features(part)) labels.emplace_back(feature.label);
  return labels;
}

std::vector<std::string_view> option_labels(int part, int feature) {
  std::vector<std::string_view> labels;
  if (!in_catalogue(part, feature)) return labels;
  const char* const* row = option_label_table[part][feature];
  for (int slot = 1; slot < kOptionSlots && row[slot] != nullptr; ++slot) labels.emplace_back(row[slot]);
  return labels;
}

void load_feature_texts(int count, int base_id, CurrentFeature& current, const TextSource& texts) {
  count = std::clamp(count, 0, CurrentFeature::kSlots - 1);
  current.definition = texts.load_text(base_id);
  for (int k = 1; k <= count; ++k) {
    current.character[k] = texts.load_text(base_id + 2 * k - 1);
    current.advice[k] = texts.load_text(base_id + 2 * k);
  }
}

void load_feature(int part, int feature, CurrentFeature& current, const TextSource& texts) {
  if (!in_catalogue(part, feature)) return;
  kLoaders[part][feature](current, texts);
}

}  // namespace facelore
