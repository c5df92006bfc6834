# Turns the service page's files, and the Engines panel's, into a C++ source, so plv-service
# carries its page inside.
# Run as: cmake -DPAGE_DIR=... -DOUT=... -P embed_page.cmake
set(body "")
foreach(pair IN ITEMS "index.html=kIndexHtml" "page.js=kPageJs" "engines.html=kEnginesHtml" "engines.js=kEnginesJs"
                      "engines.css=kEnginesCss")
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 file)
  list(GET pair 1 name)
  file(READ "${PAGE_DIR}/${file}" content)
  string(FIND "${content}" ")plvpage\"" clash)
  if(NOT clash EQUAL -1)
    message(FATAL_ERROR "page/${file} contains the raw string delimiter )plvpage\"")
  endif()
  string(APPEND body "const std::string_view ${name} = R\"plvpage(${content})plvpage\";\n\n")
endforeach()
file(WRITE "${OUT}.tmp"
  "// Generated from the files in page/ by cmake/embed_page.cmake; do not edit.\n"
  "#include \"page_assets.h\"\n\n"
  "namespace plv {\n\n"
  "${body}"
  "}  // namespace plv\n")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
