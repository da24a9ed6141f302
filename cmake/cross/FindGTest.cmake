# GoogleTest in a cross build: the targets built from source by the top-level CMakeLists.txt,
# under the names an installed GoogleTest gives them.
foreach(library gtest gtest_main gmock gmock_main)
  if(NOT TARGET GTest::${library})
    add_library(GTest::${library} ALIAS ${library})
  endif()
endforeach()
set(GTest_FOUND TRUE)
