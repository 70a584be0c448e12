# Ways to a faster full build, for CI above all: a clean build there compiles
# every library, suite and benchmark once.

# lld links the sanitized suites about three times faster than the default linker.
include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=lld TESSELLE_HAS_LLD)
if(TESSELLE_HAS_LLD)
  add_link_options(-fuse-ld=lld)
endif()

# Precompiled headers: Qt's and QCoro's headers are parsed once per library and
# once per group of suites instead of once per file. Off by default: a compiler
# cache does not reuse them, and a build without them is the one that notices a
# file that forgets an include.
option(TESSELLE_PRECOMPILE_HEADERS "Precompile Qt's headers (the CI build does)" OFF)

set(TESSELLE_CORE_HEADERS <QObject> <QString> <QStringList> <QList> <QHash> <QVariant>
  <QCoroTask> <chrono> <functional> <memory> <optional>)
set(TESSELLE_WIDGET_HEADERS ${TESSELLE_CORE_HEADERS} <QWidget> <QPainter> <QLabel>
  <QBoxLayout> <QPushButton>)

function(tesselle_precompile target)
  if(TESSELLE_PRECOMPILE_HEADERS)
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()

# A precompiled header is valid only for files compiled with the same Qt
# modules (QtTest's headers change with them), so suites share one per set of
# libraries. `donor` is a small library that builds it for the group.
function(tesselle_precompile_donor donor)
  if(NOT TESSELLE_PRECOMPILE_HEADERS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "LIBS;HEADERS" ${ARGN})
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${donor}.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT "// Builds the precompiled header of a group of suites.\n")
  add_library(${donor} OBJECT ${source})
  target_link_libraries(${donor} PRIVATE ${ARG_LIBS})
  target_precompile_headers(${donor} PRIVATE ${ARG_HEADERS})
endfunction()

function(tesselle_reuse_precompiled target donor)
  if(TESSELLE_PRECOMPILE_HEADERS)
    target_precompile_headers(${target} REUSE_FROM ${donor})
    # A suite includes its own moc output, which leaves moc's file for the
    # target empty: loading the header there would cost more than the file.
    set_source_files_properties(
      ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/mocs_compilation.cpp
      PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
  endif()
endfunction()
