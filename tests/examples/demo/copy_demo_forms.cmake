# The demo's form files and pictures beside designing.kcs, and a copy of the
# card for the edits (the originals must come back unchanged).
get_filename_component(demo "${SCRIPT}/../../../../examples/demo" ABSOLUTE)
file(COPY "${demo}/customer_card.frm" "${demo}/backup.frm" "${demo}/pictures" DESTINATION "${FILES}")
file(COPY_FILE "${demo}/customer_card.frm" "${FILES}/edited.frm")
