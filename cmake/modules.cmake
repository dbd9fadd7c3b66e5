# vexel_module(NAME SOURCES FILE... [DEPS TARGET...])
# A static library made of the listed files (paths from the top of the
# project, one a line). Headers are reached from
# src/ ("cube/cube.h"). The libraries a module links are the folders its
# files may include: tools/check-includes reads them from the layering table
# that vexel_write_layering makes of these calls.
function(vexel_module name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;DEPS")
  list(TRANSFORM arg_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/)
  add_library(${name} STATIC ${arg_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${arg_DEPS})
  vexel_remember(${name} "${arg_SOURCES}" "${arg_DEPS}")
endfunction()

# vexel_program(NAME SOURCES FILE... [DEPS TARGET...]): the same for a program.
function(vexel_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;DEPS")
  list(TRANSFORM arg_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/)
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_DEPS})
  vexel_remember(${name} "${arg_SOURCES}" "${arg_DEPS}")
endfunction()

# Notes a target's folders under src/ and its links for the layering table.
function(vexel_remember name sources deps)
  set(dirs "")
  foreach(file IN LISTS sources)
    get_filename_component(dir ${file} DIRECTORY)
    file(RELATIVE_PATH dir ${PROJECT_SOURCE_DIR}/src ${dir})
    list(APPEND dirs ${dir})
  endforeach()
  list(REMOVE_DUPLICATES dirs)
  vexel_listed(${sources})
  set_property(GLOBAL APPEND PROPERTY VEXEL_TARGETS ${name})
  set_property(GLOBAL PROPERTY VEXEL_DIRS_${name} ${dirs})
  set_property(GLOBAL PROPERTY VEXEL_DEPS_${name} ${deps})
endfunction()

# The folders a target's files may include: its own and those of every
# target it links, directly or through others.
function(vexel_reachable_dirs name out)
  get_property(dirs GLOBAL PROPERTY VEXEL_DIRS_${name})
  get_property(deps GLOBAL PROPERTY VEXEL_DEPS_${name})
  get_property(targets GLOBAL PROPERTY VEXEL_TARGETS)
  foreach(dep IN LISTS deps)
    if(dep IN_LIST targets)
      vexel_reachable_dirs(${dep} more)
      list(APPEND dirs ${more})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES dirs)
  set(${out} ${dirs} PARENT_SCOPE)
endfunction()

# vexel_write_layering(FILE): one line a folder of src/: the folder, the
# first target built of it, "qt" when a target built of it links Qt itself
# (only then may it include Qt's headers) or "-", then every folder it may
# include (through any target built of it).
function(vexel_write_layering file)
  get_property(targets GLOBAL PROPERTY VEXEL_TARGETS)
  set(folders "")
  foreach(name IN LISTS targets)
    get_property(own GLOBAL PROPERTY VEXEL_DIRS_${name})
    get_property(deps GLOBAL PROPERTY VEXEL_DEPS_${name})
    vexel_reachable_dirs(${name} reach)
    foreach(dir IN LISTS own)
      string(MAKE_C_IDENTIFIER "${dir}" id)
      if(NOT dir IN_LIST folders)
        list(APPEND folders ${dir})
        set(target_${id} ${name})
        set(qt_${id} "-")
        set(reach_${id} "")
      endif()
      if(deps MATCHES "Qt6::")
        set(qt_${id} qt)
      endif()
      list(APPEND reach_${id} ${reach})
      list(REMOVE_DUPLICATES reach_${id})
    endforeach()
  endforeach()
  list(SORT folders)
  set(text "")
  foreach(dir IN LISTS folders)
    string(MAKE_C_IDENTIFIER "${dir}" id)
    list(JOIN reach_${id} " " reach)
    string(APPEND text "${dir} ${target_${id}} ${qt_${id}} ${reach}\n")
  endforeach()
  file(WRITE ${file} "${text}")
endfunction()

# vexel_listed(FILE...): files that the build names (full paths).
function(vexel_listed)
  foreach(file IN LISTS ARGN)
    file(RELATIVE_PATH file ${PROJECT_SOURCE_DIR} ${file})
    set_property(GLOBAL APPEND PROPERTY VEXEL_LISTED ${file})
  endforeach()
endfunction()

# Configuring stops while a source file is in no list in a folder that the
# build uses, so that a new file cannot be left out of the build unseen (a
# branch merged from the time when folders were globbed, say).
function(vexel_check_listed)
  get_property(listed GLOBAL PROPERTY VEXEL_LISTED)
  set(dirs "")
  foreach(file IN LISTS listed)
    get_filename_component(dir ${file} DIRECTORY)
    list(APPEND dirs ${dir})
  endforeach()
  list(REMOVE_DUPLICATES dirs)
  set(missing "")
  foreach(dir IN LISTS dirs)
    file(GLOB found RELATIVE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
    foreach(file IN LISTS found)
      if(NOT file IN_LIST listed)
        list(APPEND missing ${file})
      endif()
    endforeach()
  endforeach()
  if(missing)
    list(JOIN missing "\n  " missing)
    message(FATAL_ERROR "These files are in no source list; add each, one a line, to the "
                        "SOURCES of its library, program or test in the CMakeLists.txt that "
                        "builds its folder:\n  ${missing}")
  endif()
endfunction()

# vexel_test(NAME LABEL SOURCES FILE... DEPS TARGET...): one GoogleTest
# program, its tests labelled for ctest -L (unit, game, program, window).
function(vexel_test name label)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "SOURCES;DEPS")
  list(TRANSFORM arg_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/)
  vexel_listed(${arg_SOURCES})
  add_executable(${name} ${arg_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${arg_DEPS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS ${label} TIMEOUT 1500)
endfunction()
