# The worked cases of the case library, in the order the library lists them.  Each
# "<title>.case" here becomes "exp/<title>.dec" at build time (tools/case_writer.cmake);
# the format is described in README.md beside this file.
set(DECISION_CASES
  跳槽还是留在原公司.case
  两个录用通知选哪个.case
  考研还是直接工作.case
  去深圳还是留在成都.case
  买房还是继续租房.case
  买车还是不买车.case
  辞职创业还是保留工作.case
  孩子上哪所小学.case
  膝盖半月板损伤怎么治.case
  年终奖十万怎么投资.case
  父亲中风后怎么照顾.case
  是否接受外派新加坡.case
  婚礼预算怎么定.case)
list(TRANSFORM DECISION_CASES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
