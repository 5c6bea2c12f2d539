-- The query-program permissions of a seller (vendedor.permisovendedor):
-- modes 6 (read) and 7 (store) of DSPVEN, whose dispatcher lives with the
-- instant messages (core/mensajes.sql).

-- Mode 6: the seller's code and permission string; no row for a code of
-- no seller. The code is compared without blanks around it.
CREATE FUNCTION dspven_modo6(xcodigo_vend varchar, xnada varchar,
                             OUT return_value integer, OUT resultado refcursor)
LANGUAGE plpgsql AS $$
BEGIN
  return_value := 0;
  OPEN resultado FOR
    SELECT v.codvendedor, v.nombre_vend, v.permisovendedor
    FROM vendedor v
    WHERE v.codvendedor = btrim(coalesce(xcodigo_vend, ''));
END $$;

-- Mode 7: the seller's whole permission string becomes the one sent;
-- nothing else of the seller changes. Return codes: 0 done; 2 no such
-- seller; 3 a blank code; 4 a string longer than 200. No rows.
CREATE FUNCTION dspven_modo7(xcodigo_vend varchar, xpermisovendedor varchar,
                             OUT return_value integer, OUT resultado refcursor)
LANGUAGE plpgsql AS $$
DECLARE
  codigo text := btrim(coalesce(xcodigo_vend, ''));
  permisos text := coalesce(xpermisovendedor, '');
BEGIN
  IF codigo = '' THEN
    return_value := 3;
    RETURN;
  END IF;
  IF char_length(permisos) > 200 THEN
    return_value := 4;
    RETURN;
  END IF;
  UPDATE vendedor SET permisovendedor = permisos WHERE codvendedor = codigo;
  return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
END $$;
