# Copies the content pack's pictures, level files, text tables and prices
# into one corpus folder per fuzz target (run with -P, PACK and CORPUS set).
foreach(kind png jpeg level text prices)
  file(MAKE_DIRECTORY ${CORPUS}/${kind})
endforeach()
file(GLOB_RECURSE pngs ${PACK}/Images/*.png)
file(GLOB_RECURSE jpegs ${PACK}/Images/*.jpg)
file(GLOB levels ${PACK}/Levels/*.qlv)
file(COPY ${pngs} DESTINATION ${CORPUS}/png)
file(COPY ${jpegs} DESTINATION ${CORPUS}/jpeg)
file(COPY ${levels} DESTINATION ${CORPUS}/level)
file(GLOB texts ${PACK}/Texts/*.txt)
file(COPY ${texts} DESTINATION ${CORPUS}/text)
file(COPY ${PACK}/SlotPrices.dat DESTINATION ${CORPUS}/prices)
