# decision's painted pictures (painter set "decision", one recipe per window under
# tools/painter/decision/), listed once for every build that paints them: decision's own
# and the host build's painter tests.  The painter refuses a list that differs from its
# set.  Names are UTF-8 text like this file; they reach the disk as their characters.
set(DECISION_PICTURES
  gr.gr
  关于框.bmp
  # The main window's bitmaps: the command column, the cells' and summaries'
  # backgrounds, the add, delete and wizard buttons, the two hints.
  main_new.bmp main_new_hover.bmp main_open.bmp main_open_hover.bmp
  main_save.bmp main_save_hover.bmp main_help.bmp main_help_hover.bmp
  main_about.bmp main_about_hover.bmp main_exit.bmp main_exit_hover.bmp
  main_report.bmp main_report_hover.bmp
  cell_plain.bmp cell_worst.bmp cell_best.bmp
  record_summary.bmp background_summary.bmp
  add_alternative.bmp add_alternative_hover.bmp
  delete_alternative.bmp delete_alternative_hover.bmp
  start_wizard.bmp start_wizard_hover.bmp
  several_best_hint.bmp too_close_hint.bmp
  # The explain button by the rank strip.
  explain_ranking.bmp explain_ranking_hover.bmp
  # The About box's link, the main window's logo, the program icon and the icon of
  # decision files.
  about_web_address.bmp
  logo_1.bmp logo_2.bmp logo_3.bmp logo_4.bmp logo_5.bmp logo_6.bmp logo_7.bmp
  decision.ico decision_document.ico
  # The probability and value pickers.
  可能性.bmp 基于评价.bmp 基于喜恶.bmp 基于效用.bmp
  method_evaluation.bmp method_evaluation_hover.bmp
  method_preference.bmp method_preference_hover.bmp
  method_utility.bmp method_utility_hover.bmp
  # The small and the large input box.
  小输入框.bmp
  大输入框.bmp
  small_input_text.bmp
  big_input_text.bmp
  input_box_ok.bmp
  input_box_ok_hover.bmp
  input_box_cancel.bmp
  input_box_cancel_hover.bmp
  # The new-decision chooser and the case library.
  新建决策.bmp
  空白决策.bmp
  决策案例.bmp
  选择案例.bmp
  option_off.bmp
  option_on.bmp
  ok_normal.bmp
  ok_hover.bmp
  cancel_normal.bmp
  cancel_hover.bmp
  close_normal.bmp
  close_hover.bmp
  more_cases_normal.bmp
  more_cases_hover.bmp
  # The alternative panel.
  方案内容1.bmp
  方案内容2.bmp
  panel_blank_rows.bmp
  add_result.bmp
  add_result_hover.bmp
  delete_result.bmp
  delete_result_hover.bmp
  # The trap panel and its buttons, the trap dialog and its two boxes.
  陷阱.bmp
  trap_button_1.bmp trap_button_1_hover.bmp trap_button_2.bmp trap_button_2_hover.bmp
  trap_button_3.bmp trap_button_3_hover.bmp trap_button_4.bmp trap_button_4_hover.bmp
  trap_button_5.bmp trap_button_5_hover.bmp
  trap_button_6.bmp trap_button_6_hover.bmp trap_button_7.bmp trap_button_7_hover.bmp
  trap_button_8.bmp trap_button_8_hover.bmp trap_button_9.bmp trap_button_9_hover.bmp
  trap_button_10.bmp trap_button_10_hover.bmp
  决策陷阱内容.bmp
  trap_heading.bmp
  trap_body.bmp
  # The wizard pages, their Back, Next and Finish buttons and the blank row band.
  决策向导第1步.bmp 决策向导第2步.bmp 决策向导第3步.bmp 决策向导第4步.bmp
  wizard_back_page.bmp wizard_back_page_hover.bmp wizard_next_page.bmp wizard_next_page_hover.bmp
  wizard_back.bmp wizard_back_hover.bmp wizard_next.bmp wizard_next_hover.bmp
  wizard_finish.bmp wizard_finish_hover.bmp
  wizard_blank_rows.bmp
  # The ranking explanation dialog and its two text boxes.
  为何如此排名.bmp
  explanation_sentences.bmp
  explanation_weightiest.bmp
  # The resource script naming the pictures of the windows' button tables.
  skin_pictures.rc)
# Every picture in BMP form is painted again at each larger scale (kit/picture_scales.h).
set(DECISION_SCALED_PICTURES ${DECISION_PICTURES})
list(FILTER DECISION_SCALED_PICTURES EXCLUDE REGEX "\\.(ico|rc)$")
# The backgrounds the windows read from the working folder, installed beside the
# program.  Pictures compiled into it (named by res/decision.rc) are in the list above
# only.
set(DECISION_FOLDER_PICTURES
  gr.gr
  关于框.bmp
  # The main window's logo.
  logo_1.bmp logo_2.bmp logo_3.bmp logo_4.bmp logo_5.bmp logo_6.bmp logo_7.bmp
  # The probability and value pickers.
  可能性.bmp 基于评价.bmp 基于喜恶.bmp 基于效用.bmp
  # The small and the large input box.
  小输入框.bmp
  大输入框.bmp
  # The new-decision chooser and the case library.
  新建决策.bmp
  空白决策.bmp
  决策案例.bmp
  选择案例.bmp
  # The alternative panel.
  方案内容1.bmp
  方案内容2.bmp
  # The trap panel and the trap dialog.
  陷阱.bmp
  决策陷阱内容.bmp
  # The wizard pages.
  决策向导第1步.bmp 决策向导第2步.bmp 决策向导第3步.bmp 决策向导第4步.bmp
  # The ranking explanation dialog.
  为何如此排名.bmp)
