# Turns the service page's files into a C++ source, so plv-service carries its page inside.
# Run as: cmake -DPAGE_DIR=... -DOUT=... -P embed_page.cmake
file(READ "${PAGE_DIR}/index.html" html)
file(READ "${PAGE_DIR}/page.js" js)
foreach(content IN ITEMS "${html}" "${js}")
  string(FIND "${content}" ")plvpage\"" clash)
  if(NOT clash EQUAL -1)
    message(FATAL_ERROR "page file contains the raw string delimiter )plvpage\"")
  endif()
endforeach()
file(WRITE "${OUT}.tmp"
  "// Generated from page/index.html and page/page.js by cmake/embed_page.cmake; do not edit.\n"
  "#include \"page_assets.h\"\n\n"
  "namespace plv {\n\n"
  "const std::string_view kIndexHtml = R\"plvpage(${html})plvpage\";\n\n"
  "const std::string_view kPageJs = R\"plvpage(${js})plvpage\";\n\n"
  "}  // namespace plv\n")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
