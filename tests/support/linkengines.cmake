# parvolin_link_engines(<test>): lets a test run against every engine built
# here. The LibreOffice engine is loaded from its module in the build's engine
# folder, through the program's own loader, so the tests drive what ships.
function(parvolin_link_engines target)
  target_link_libraries(${target} PRIVATE appengines)
  if(TARGET libreofficeengine)
    add_dependencies(${target} libreofficeengine)
    target_compile_definitions(${target} PRIVATE PARVOLIN_HAVE_LIBREOFFICE
      PARVOLIN_ENGINE_FOLDER="$<TARGET_FILE_DIR:libreofficeengine>")
  endif()
endfunction()
