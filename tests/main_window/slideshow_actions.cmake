# The slide show and the file actions of Form1, on real widgets offscreen.
foreach(test tst_slideshow tst_fileactions)
  velmo_add_test(${test} SOURCES ${CMAKE_CURRENT_LIST_DIR}/${test}.cpp ${CMAKE_CURRENT_LIST_DIR}/velmowindows.h
                 LIBS velmo_forms velmo_platform_fakes)
  target_include_directories(${test} PRIVATE ${CMAKE_CURRENT_LIST_DIR})
endforeach()
