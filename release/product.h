// The maker's name and each program's name and version: one place read by both programs'
// resource scripts, their version tests and the installer build (which takes the
// #define lines apart, so keep each one "#define NAME value" on a line of its own).
#pragma once

#define PRODUCT_MAKER "青木桥软件工作室"

#define DECISION_PRODUCT_NAME "择优宝"
#define DECISION_FILE_DESCRIPTION "择优宝 决策分析助手"
#define DECISION_VERSION_MAJOR 1
#define DECISION_VERSION_MINOR 2
#define DECISION_VERSION_TEXT "1.2"

#define FACELORE_PRODUCT_NAME "相缘通"
#define FACELORE_FILE_DESCRIPTION "相缘通 面相解读"
#define FACELORE_VERSION_MAJOR 3
#define FACELORE_VERSION_MINOR 2
#define FACELORE_VERSION_TEXT "3.2"
