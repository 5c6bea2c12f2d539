-- The volume generator's last step (see bench/generate-volume), in one
-- transaction: the award and the taxes through the procedures themselves
-- (server/demo/comun/premiacion.sql), on the keys and indexes, as in service.
SET search_path = public, proc;
\set tiempos 1
\ir ../../server/demo/comun/premiacion.sql
