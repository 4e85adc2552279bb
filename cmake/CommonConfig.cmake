# Build settings shared by every target of the project.
add_library(melvato_common INTERFACE)
target_compile_features(melvato_common INTERFACE cxx_std_20)
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_AUTOMOC ON)
target_compile_definitions(melvato_common INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_DISABLE_DEPRECATED_UP_TO=0x060400)
target_compile_options(melvato_common INTERFACE -Wall -Wextra)
if(MELVATO_WERROR)
  target_compile_options(melvato_common INTERFACE -Werror)
endif()
if(MELVATO_SANITIZE)
  target_compile_options(melvato_common INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                  -fno-sanitize-recover=undefined)
  target_link_options(melvato_common INTERFACE -fsanitize=address,undefined)
endif()
if(MELVATO_COVERAGE)
  # Counters per line and branch for gcov; unoptimised so that lines map to code.
  target_compile_options(melvato_common INTERFACE --coverage -O0)
  target_link_options(melvato_common INTERFACE --coverage)
endif()
find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM AND NOT MELVATO_COVERAGE)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()
