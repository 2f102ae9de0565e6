# parvolin_link_engines(<test>): lets a test run against every engine built here.
function(parvolin_link_engines target)
  if(TARGET libreofficeengine)
    target_link_libraries(${target} PRIVATE libreofficeengine)
    target_compile_definitions(${target} PRIVATE PARVOLIN_HAVE_LIBREOFFICE)
  endif()
endfunction()
