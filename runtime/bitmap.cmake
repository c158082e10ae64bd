# The portable bitmap: a 32-bit pixel buffer with a Windows bitmap file reader and writer.
# Plain C++; used by the skin data, the skin pictures' generator and the painters.
add_library(varnelta_bitmap STATIC
  ${CMAKE_CURRENT_LIST_DIR}/bitmap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bitmap.h)
target_include_directories(varnelta_bitmap PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(varnelta_bitmap PRIVATE varnelta_options)
if(WIN32)
  # The Windows side: pictures handed to the system as DIB sections.
  target_sources(varnelta_bitmap PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/dib_section.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dib_section.h)
  target_link_libraries(varnelta_bitmap PUBLIC gdi32)
endif()
