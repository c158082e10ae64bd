# Compiler flags shared by every target of the project.

add_library(varnelta_options INTERFACE)
target_compile_options(varnelta_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow
  -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual -Wnull-dereference
  -Wimplicit-fallthrough)
if(VARNELTA_WERROR)
  target_compile_options(varnelta_options INTERFACE -Werror)
endif()

if(WIN32)
  # Unicode program; the oldest system the headers should describe is Windows XP, newer
  # entry points are looked up at run time.
  target_compile_definitions(varnelta_options INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN
    NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501 STRICT)
  # One self-contained .exe: no runtime DLLs beside it.
  target_link_options(varnelta_options INTERFACE -static -static-libgcc -static-libstdc++)
endif()

if(VARNELTA_SANITIZE)
  # The sanitizer build is there to find faults: -O1 keeps its reports exact and its build
  # quick, -g1 keeps file and line in every stack trace.
  target_compile_options(varnelta_options INTERFACE -fsanitize=address,undefined
    -fno-sanitize-recover=all -fno-omit-frame-pointer -O1 -g1)
  target_link_options(varnelta_options INTERFACE -fsanitize=address,undefined)
endif()

if(VARNELTA_FUZZ)
  # The fuzz build instruments everything for coverage; only the fuzz targets link libFuzzer.
  target_compile_options(varnelta_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined
    -fno-omit-frame-pointer)
  target_link_options(varnelta_options INTERFACE -fsanitize=address,undefined)
endif()
