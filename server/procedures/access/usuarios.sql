-- The sale-point users (usuarios), the cashiers of each seller: their list
-- and one user's permissions (DSPUSR), their maintenance and the storing of
-- their point-of-sale permissions (ACTUSR). A user is the pair (seller,
-- user code): one code may serve under several sellers.

-- DSPUSR '0', '', '': every user of every seller, by seller and user code;
-- DSPUSR '3', user, seller: that one user (no row when there is none).
-- Columns 0 to 3 are the seller code, the seller's name, the user code and
-- the user's name (the users window shows them by position); the others
-- are read by name. Codes are compared without blanks around them. Any
-- other mode is refused.
CREATE FUNCTION DSPUSR(xmodo varchar, xusuario varchar, xcodvendedor varchar)
RETURNS TABLE (codvendedor varchar, nombre_vend varchar, usuario varchar, Nombre_usua varchar,
               Direccion_Usua varchar, Telefono_Usua varchar, Email_Usua varchar,
               clave_Usua varchar, Estado_Usua varchar, permisos varchar)
LANGUAGE plpgsql STABLE AS $$
DECLARE
  modo text := btrim(coalesce(xmodo, ''));
BEGIN
  IF modo NOT IN ('0', '3') THEN
    RAISE EXCEPTION 'DSPUSR: modo desconocido "%"', xmodo;
  END IF;
  RETURN QUERY
    SELECT u.codvendedor, v.nombre_vend, u.usuario, u.nombre_usua, u.direccion_usua,
           u.telefono_usua, u.email_usua, u.clave_usua, u.estado_usua, u.permisos
    FROM usuarios u
    JOIN vendedor v ON v.codvendedor = u.codvendedor
    WHERE modo = '0'
       OR (u.usuario = btrim(coalesce(xusuario, ''))
           AND u.codvendedor = btrim(coalesce(xcodvendedor, '')))
    ORDER BY u.codvendedor, u.usuario;
END $$;

-- ACTUSR mode, seller, user, name, address, telephones, key, e-mail,
-- state, permissions; every mode acts on the one row of (seller, user):
--   "1" adds the user, with no permission;
--   "2" changes name, address, telephones, key and e-mail, and the state
--       when one is sent (an empty state keeps the stored one); the
--       permissions stay as they are;
--   "3" deletes the user (only the two codes are looked at);
--   "4" stores the user's whole permission string and nothing else (the
--       window sends one blank in every other field).
-- Codes are taken without blanks around them, the texts without trailing
-- blanks, the key as sent. Return codes:
--   0 done;
--   1 add of a user the seller has already;
--   2 a change, delete or permission store of no such user;
--   3 a blank seller or user code, a blank key on add or modify, a blank
--     state on add;
--   4 a code longer than 5 characters, a name longer than 50, an address
--     longer than 100, telephones or e-mail longer than 50, a key longer
--     than 10, permissions longer than 400;
--   5 delete of a user whose tickets the history keeps;
--   6 no such seller (add);
--   7 a state other than 1, 2 or 3, or a code holding a control or
--     invisible character.
-- An unknown mode is an error.
CREATE FUNCTION ACTUSR(xmodo varchar, xcodvendedor varchar, xusuario varchar,
                       xnombre_usua varchar, xdireccion_usua varchar, xtelefono_usua varchar,
                       xclave_usua varchar, xemail_usua varchar, xestado_usua varchar,
                       xpermiso varchar, OUT return_value integer)
LANGUAGE plpgsql AS $$
DECLARE
  modo text := btrim(coalesce(xmodo, ''));
  vendedor text := btrim(coalesce(xcodvendedor, ''));
  codigo text := btrim(coalesce(xusuario, ''));
  nombre text := rtrim(coalesce(xnombre_usua, ''));
  direccion text := rtrim(coalesce(xdireccion_usua, ''));
  telefono text := rtrim(coalesce(xtelefono_usua, ''));
  clave text := coalesce(xclave_usua, '');
  email text := rtrim(coalesce(xemail_usua, ''));
  estado text := btrim(coalesce(xestado_usua, ''));
  cadena text := coalesce(xpermiso, '');
BEGIN
  IF modo NOT IN ('1', '2', '3', '4') THEN
    RAISE EXCEPTION 'ACTUSR: modo desconocido "%"', xmodo;
  END IF;
  IF vendedor = '' OR codigo = '' THEN
    return_value := 3;
    RETURN;
  END IF;
  IF char_length(vendedor) > 5 OR char_length(codigo) > 5 THEN
    return_value := 4;
    RETURN;
  END IF;
  IF NOT codigo_valido(vendedor) OR NOT codigo_valido(codigo) THEN
    return_value := 7;
    RETURN;
  END IF;

  IF modo = '3' THEN
    BEGIN
      DELETE FROM usuarios u WHERE u.codvendedor = vendedor AND u.usuario = codigo;
      return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
    EXCEPTION WHEN foreign_key_violation THEN
      return_value := 5;
    END;
    RETURN;
  END IF;

  IF modo = '4' THEN
    IF char_length(cadena) > 400 THEN
      return_value := 4;
      RETURN;
    END IF;
    UPDATE usuarios u SET permisos = cadena
    WHERE u.codvendedor = vendedor AND u.usuario = codigo;
    return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
    RETURN;
  END IF;

  IF btrim(clave) = '' OR (modo = '1' AND estado = '') THEN
    return_value := 3;
    RETURN;
  END IF;
  IF char_length(nombre) > 50 OR char_length(direccion) > 100 OR char_length(telefono) > 50
     OR char_length(email) > 50 OR char_length(clave) > 10 THEN
    return_value := 4;
    RETURN;
  END IF;
  IF estado <> '' AND estado NOT IN ('1', '2', '3') THEN
    return_value := 7;
    RETURN;
  END IF;
  IF modo = '1' THEN
    IF NOT EXISTS (SELECT FROM vendedor v WHERE v.codvendedor = vendedor) THEN
      return_value := 6;
      RETURN;
    END IF;
    INSERT INTO usuarios (codvendedor, usuario, nombre_usua, direccion_usua, telefono_usua,
                          clave_usua, email_usua, estado_usua, permisos)
    VALUES (vendedor, codigo, nombre, direccion, telefono, clave, email, estado, '')
    ON CONFLICT DO NOTHING;
    return_value := CASE WHEN FOUND THEN 0 ELSE 1 END;
    RETURN;
  END IF;
  UPDATE usuarios u
  SET nombre_usua = nombre, direccion_usua = direccion, telefono_usua = telefono,
      clave_usua = clave, email_usua = email,
      estado_usua = CASE WHEN estado = '' THEN u.estado_usua ELSE estado END
  WHERE u.codvendedor = vendedor AND u.usuario = codigo;
  return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
END $$;
