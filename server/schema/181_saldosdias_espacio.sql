-- A day's daily results are inserted by prize processing and, once, all
-- rewritten by the tax processing, which fills their tax columns (in no
-- index) and leaves their codes as they are. Pages filled to less than half
-- keep the room for each row's new version beside the old one, so the
-- update stays within the page and touches none of the table's six
-- indexes; the page returns to about half full once the old versions are
-- pruned. Rows already stored keep their pages; new days get the room.
ALTER TABLE saldosdias SET (fillfactor = 45);
